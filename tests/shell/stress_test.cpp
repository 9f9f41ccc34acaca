// Every study window opened, arranged, resized to extremes, scrolled, filled
// with long and garbage texts and computed, many times over: nothing may crash,
// hang, leak or show a non-finite number.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include "MDIForm1.h"
#include "StudyWindow.h"
#include "studies.h"
#include "ui_helpers.h"

using namespace testing_ui;

namespace {

QStringList garbageTexts() {
    QString controls;
    for (int c = 1; c < 32; ++c) controls += QChar(c);
    return {QString(5000, '9'),
            QStringLiteral("-1e308"),
            QStringLiteral("1e400"),
            QStringLiteral("-0"),
            QStringLiteral("-123456789.123456789"),
            QString(3000, 'x') + QStringLiteral("é⌀\u202F"),
            controls,
            QStringLiteral("0.0000000000000000000000000000000000000000000001"),
            QStringLiteral("NaN"),
            QStringLiteral("inf"),
            QString()};
}

// Texts the program itself writes (read-only boxes and labels) never show a non-finite value.
void expectNoNonFinite(QWidget* window) {
    static const QRegularExpression bad(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    for (auto* label : window->findChildren<QLabel*>())
        EXPECT_FALSE(bad.match(label->text()).hasMatch())
            << window->objectName().toStdString() << "/" << label->objectName().toStdString()
            << ": " << label->text().toStdString();
    for (auto* edit : window->findChildren<QLineEdit*>()) {
        if (!edit->isReadOnly()) continue;
        EXPECT_FALSE(bad.match(edit->text()).hasMatch())
            << window->objectName().toStdString() << "/" << edit->objectName().toStdString();
    }
}

void pressEverything(QWidget* window) {
    for (auto* button : window->findChildren<QPushButton*>()) {
        const QString name = button->objectName();
        if (name == QLatin1String("BtImprimer")) continue;  // printing has its own tests
        catchMessages([&] { button->click(); });
    }
    // The fits window computes on its tiles.
    int clicks = 0;
    for (auto* tile :
         window->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^Lbl_TB_"))))
        if (tile->isEnabled() && clicks++ % 3 == 0)
            catchMessages([&] { QTest::mouseClick(tile, Qt::LeftButton); });
}

}  // namespace

TEST(Stress, OpenArrangeResizeTypeComputeAndCloseManyTimes) {
    MDIForm1 m;
    showActive(&m);
    const QStringList texts = garbageTexts();
    for (int round = 0; round < 3; ++round) {
        for (const auto& entry : torvel::studyEntries()) {
            if (!entry.create) continue;
            torvel::StudyWindow* study = m.openStudy(QString::fromLatin1(entry.type));
            ASSERT_NE(study, nullptr);
            auto* sub = qobject_cast<QMdiSubWindow*>(study->parentWidget());
            for (const QSize size :
                 {QSize(1, 1), QSize(12000, 9000), QSize(40, 4000), QSize(640, 480)}) {
                sub->resize(size);
                QApplication::processEvents();
                for (QScrollBar* bar : {study->vScroll(), study->hScroll()}) {
                    bar->setValue(bar->maximum());
                    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
                    bar->setValue(bar->minimum());
                }
            }
            const QString text =
                texts[(round * 7 + static_cast<int>(&entry - torvel::studyEntries().data())) %
                      texts.size()];
            for (auto* edit : study->findChildren<QLineEdit*>()) {
                if (edit->isReadOnly() || !edit->isVisible()) continue;
                edit->setFocus();
                edit->selectAll();
                QApplication::clipboard()->setText(text);
                catchMessages([&] { m.findChild<QAction*>("MNU_Coller")->trigger(); });
            }
            for (auto* combo : study->findChildren<QComboBox*>())
                if (combo->isEditable()) combo->setEditText(text.left(200));
            pressEverything(study);
            expectNoNonFinite(study);
        }
        for (const char* arrange : {"Cascade", "MosaïqueHorizontale", "MosaïqueVerticale"})
            m.findChild<QAction*>(QString::fromUtf8(arrange))->trigger();
        m.resize(10, 10);
        m.resize(4000, 3000);
        QApplication::processEvents();
        m.findChild<QAction*>("MNU_CloseAll")->trigger();
        EXPECT_TRUE(m.mdiArea()->subWindowList().isEmpty());
    }
}

TEST(Stress, CloseAllWithEveryStudyOpen) {
    MDIForm1 m;
    showActive(&m);
    int opened = 0;
    for (const auto& entry : torvel::studyEntries())
        if (entry.create && m.openStudy(QString::fromLatin1(entry.type))) ++opened;
    EXPECT_EQ(m.mdiArea()->subWindowList().size(), opened);
    m.findChild<QAction*>("MNU_CloseAll")->trigger();
    EXPECT_TRUE(m.mdiArea()->subWindowList().isEmpty());
}
