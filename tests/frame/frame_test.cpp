#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "StudyWindow.h"
#include "twips.h"
#include "ui_helpers.h"

using namespace testing_ui;
using torvel::px;

namespace {

// A bare study on the frame: a reference and two numeric boxes.
class Probe : public torvel::StudyWindow {
  public:
    Probe() : StudyWindow({"Probe", "Probe", "Probe - Etude ", 6000, 4000, 9000, 6000, "Cadre"}) {
        addReference(frame(), 300, 300, 3000, 315);
        numeric = addEdit(frame(), "TextN", "", 300, 900, 1500, 315);
        attachNumericFilter(numeric);
        addCalculer(frame(), 300, 1500, 1200, 400);
        layoutFrame();
    }
    QLineEdit* numeric;

    using StudyWindow::addCaptionedList;
    using StudyWindow::CaptionedList;
    using StudyWindow::play;
    using StudyWindow::playWithReruns;
    using StudyWindow::printTextReport;
};

}  // namespace

TEST(StudyFrame, BarsShowWhenFrame1DoesNotFitAndCoinAlwaysShows) {
    Probe w;
    showActive(&w);
    struct Case {
        int widthTwips, heightTwips;
        bool vertical, horizontal;
    };
    const Case cases[] = {
        {6000, 4000, true, true},
        {9600, 4000, true, false},
        {6000, 7000, false, true},
        {9600, 7000, false, false},
    };
    for (const auto& c : cases) {
        w.resize(px(c.widthTwips), px(c.heightTwips));
        EXPECT_EQ(w.vScroll()->isVisible(), c.vertical) << c.widthTwips << "x" << c.heightTwips;
        EXPECT_EQ(w.hScroll()->isVisible(), c.horizontal) << c.widthTwips << "x" << c.heightTwips;
        EXPECT_TRUE(w.coin()->isVisible());
        EXPECT_EQ(w.coin()->geometry().bottomRight(), w.rect().bottomRight());
        EXPECT_EQ(w.frame()->pos(), QPoint(px(300), px(200)));
    }
}

TEST(StudyFrame, BarValuesAreTwipsAndMoveFrame1) {
    Probe w;
    showActive(&w);
    w.resize(px(6000), px(2000));
    const int H = torvel::twips(w.height());
    EXPECT_EQ(w.vScroll()->singleStep(), H);
    EXPECT_EQ(w.vScroll()->pageStep(), 2 * torvel::twips(w.frameGeometry().height()));
    EXPECT_EQ(w.vScroll()->maximum(), qRound(6000 - H + 1.4 * 255));
    EXPECT_EQ(w.hScroll()->maximum(), qRound(9000 - torvel::twips(w.width()) + 1.4 * 255));
    // One arrow click moves the content by one inner height.
    w.vScroll()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(w.frame()->y(), px(-H));
    w.hScroll()->setValue(600);
    EXPECT_EQ(w.frame()->x(), px(-600));
    // A resize puts the margins back and keeps the bar values.
    w.vScroll()->setValue(0);
    w.resize(px(6100), px(2100));
    EXPECT_EQ(w.frame()->pos(), QPoint(px(300), px(200)));
    EXPECT_EQ(w.hScroll()->value(), 600);
}

TEST(StudyFrame, HugeWindowEndsTheLayoutSilently) {
    Probe w;
    showActive(&w);
    w.resize(px(6000), px(4000));
    const int hMaxBefore = w.hScroll()->maximum();
    // Twice the outer height leaves the 16-bit range: the layout stops there.
    w.resize(px(6000), px(20000));
    EXPECT_EQ(w.hScroll()->maximum(), hMaxBefore);
    EXPECT_FALSE(w.vScroll()->isVisible());
}

TEST(StudyFrame, BarsHandTheFocusToTheReference) {
    Probe w;
    showActive(&w);
    w.resize(px(6000), px(4000));
    w.vScroll()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), w.reference());
    w.numeric->setFocus();
    EXPECT_EQ(w.windowTitle(), "Probe - Etude  : ");
    w.hScroll()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), w.reference());
}

TEST(StudyFrame, NumericFilterKeepsDigitsAndSeparators) {
    Probe w;
    showActive(&w);
    struct Case {
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {"1.2.3", "1.2.3"}, {"-5", "5"}, {"3,5", "3,5"}, {"1e3", "13"}, {"a b", ""}, {"12é", "12"},
    };
    for (const auto& c : cases) {
        type(w.numeric, QString::fromUtf8(c.typed));
        EXPECT_EQ(w.numeric->text(), c.kept) << c.typed;
    }
    w.numeric->setText("12");
    QTest::keyClick(w.numeric, Qt::Key_Backspace);
    EXPECT_EQ(w.numeric->text(), "1");
    QTest::keyClick(w.numeric, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.numeric);
    // The reference box takes any text.
    type(w.reference(), "A-12,b");
    EXPECT_EQ(w.reference()->text(), "A-12,b");
}

TEST(StudyFrame, TabOrderFollowsTheVisualOrder) {
    Probe w;
    w.orderTabsVisually();
    EXPECT_EQ(w.reference()->nextInFocusChain(), w.numeric);
    EXPECT_EQ(w.numeric->nextInFocusChain(), w.findChild<QWidget*>("BtCalculer"));
}

TEST(StudyFrame, PastingIntoAFilteredBoxIsNotFiltered) {
    Probe w;
    showActive(&w);
    QApplication::clipboard()->setText("-5,2");
    w.numeric->clear();
    QTest::keyClick(w.numeric, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.numeric->text(), "-5,2");
}

TEST(StudyFrame, TextReportPrintsItsLinesOnOnePortraitJob) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    Probe w;
    w.show();
    torvel::ReportLines lines =
        torvel::textReportHeader("Titre du rapport", "Réf 7", "08/12/2026", "> Données");
    lines.push_back({"Charge radiale : 1 200,5 N", false});
    for (int i = 0; i < 60; ++i) lines.push_back({"Ligne " + std::to_string(i), false});
    bool printed = false;
    answerPrintDialog([&] { printed = w.printTextReport([&] { return std::optional(lines); }); },
                      pdf, 3);
    EXPECT_TRUE(printed);
    const QString text = pdfText(pdf);
    EXPECT_EQ(pdfPages(pdf), 2);  // one job whatever the copy count, a second page for the overflow
    for (const char* expected : {"Titre du rapport", "Référence : Réf 7", "Date : 08/12/2026",
                                 "> Données", "Charge radiale : 1 200,5 N", "Ligne 0", "Ligne 59"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_TRUE(text.contains(QString(67, '_')));
}

TEST(StudyFrame, TextReportThatCannotBeBuiltPrintsNothing) {
    QTemporaryDir dir;
    Probe w;
    bool printed = true;
    answerPrintDialog(
        [&] { printed = w.printTextReport([] { return std::optional<torvel::ReportLines>(); }); },
        dir.filePath("none.pdf"));
    EXPECT_FALSE(printed);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(ReportHeader, LinesInOrderWithTheirWeight) {
    const auto lines = torvel::textReportHeader("T", "R", "D", "> S");
    ASSERT_EQ(lines.size(), 9u);
    const std::vector<std::pair<std::string, bool>> expected = {{"T", true},
                                                                {std::string(67, '_'), true},
                                                                {"", true},
                                                                {"", false},
                                                                {"Référence : R", true},
                                                                {"Date : D", true},
                                                                {"", false},
                                                                {"", false},
                                                                {"> S", true}};
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text, expected[i].first) << i;
        EXPECT_EQ(lines[i].bold, expected[i].second) << i;
    }
}

TEST(StudyFrame, PlaysEveryKindOfStepInOrder) {
    Probe w;
    showActive(&w);
    auto* list = new QComboBox(w.frame());
    list->setObjectName("ComboAngle");
    list->setEditable(true);
    list->addItems({"0°", "5°"});
    torvel::Outcome out;
    out.write("TextN", "1,50");
    out.setInput("ComboAngle", "5°");
    out.warn("Avertissement");
    out.setInput("ComboAngle", "7°");  // not in the list: typed into it
    out.stop("Arrêt");
    out.focus("TextN");
    const QStringList messages = catchMessages([&] { w.play(out); });
    EXPECT_EQ(messages, (QStringList{"Avertissement", "Arrêt"}));
    EXPECT_EQ(w.numeric->text(), "1,50");
    EXPECT_EQ(list->currentText(), "7°");
    EXPECT_EQ(w.focusWidget(), w.numeric);
}

TEST(StudyFrame, UnknownTargetIsReportedAndRerunsAreBounded) {
    Probe w;
    QStringList critical;
    static QStringList* sink = nullptr;
    sink = &critical;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
            if (type == QtCriticalMsg) sink->append(m);
        });
    torvel::Outcome misspelt;
    misspelt.write("TextNn", "1");
    w.play(misspelt);
    qInstallMessageHandler(previous);
    EXPECT_EQ(critical, QStringList{"Probe: no control named TextNn"});

    // An engine that asks for a rerun every time is played three times at most.
    int runs = 0;
    const QStringList messages = catchMessages([&] {
        w.playWithReruns([&] {
            ++runs;
            torvel::Outcome out;
            out.warn("Encore");
            out.rerun();
            return out;
        });
    });
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(messages, QStringList(3, "Encore"));
}

// A captioned list is laid out as a labelled box: the caption 30 twips below the
// list's top and named after the list without its type prefix, unless named
// otherwise; an editable list keeps typed texts out of its items.
TEST(StudyFrame, CaptionedListsNameAndPlaceTheirCaption) {
    struct Case {
        Probe::CaptionedList list;
        const char* label;  // "" when no caption is made
    };
    const Case cases[] = {
        {{.name = "ComboSpires",
          .caption = "Extrémités :",
          .labelLeft = 150,
          .labelWidth = 1300,
          .boxLeft = 1500,
          .boxWidth = 3600,
          .top = 1110},
         "LabelSpires"},
        {{.name = "CheckGrenaille",
          .caption = "Fil grenaillé :",
          .labelLeft = 3650,
          .labelWidth = 2150,
          .boxLeft = 5850,
          .boxWidth = 1100,
          .top = 330},
         "LabelGrenaille"},
        {{.name = "ComboFiabilité",
          .caption = "a1 =",
          .labelName = "LabelA1",
          .boxLeft = 800,
          .boxWidth = 1300,
          .top = 330},
         "LabelA1"},
        {{.name = "ComboType", .boxLeft = 2500, .boxWidth = 3350, .top = 330, .editable = true},
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list.name.toStdString());
        Probe w;
        QLabel* label = nullptr;
        QComboBox* list = w.addCaptionedList(w.frame(), c.list, &label);
        EXPECT_EQ(list->objectName(), c.list.name);
        EXPECT_EQ(list->geometry(),
                  torvel::pxRect(c.list.boxLeft, c.list.top, c.list.boxWidth, 315));
        EXPECT_EQ(list->isEditable(), c.list.editable);
        if (c.list.editable) {
            EXPECT_EQ(list->insertPolicy(), QComboBox::NoInsert);
        }
        if (!*c.label) {
            EXPECT_EQ(label, nullptr);
            continue;
        }
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->objectName(), c.label);
        EXPECT_EQ(label->buddy(), list);
        EXPECT_EQ(label->geometry(),
                  torvel::pxRect(c.list.labelLeft, c.list.top + 30, c.list.labelWidth, 255));
    }
}
