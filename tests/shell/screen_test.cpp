// The windows on the screen: study windows wholly inside the main window, the
// main window's place kept between runs, captions that fit their boxes, and
// Qt's standard dialogs in French.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <memory>

#include "MDIForm1.h"
#include "StudyWindow.h"
#include "application.h"
#include "examples.h"
#include "placement.h"
#include "studies.h"
#include "ui_helpers.h"

using namespace testing_ui;

namespace {

QSettings kept() { return QSettings(QStringLiteral("TORVEL"), QStringLiteral("TORVEL")); }

void forgetPlacement() {
    QSettings s(QStringLiteral("TORVEL"), QStringLiteral("TORVEL"));
    s.remove(QStringLiteral("fenetre"));
    s.sync();
}

// The children of the area that do not show whole.
QStringList outside(MDIForm1& m) {
    QStringList names;
    const QRect area = m.mdiArea()->viewport()->rect();
    for (QMdiSubWindow* sub : m.mdiArea()->subWindowList())
        if (!area.contains(sub->geometry()))
            names << QStringLiteral("%1 at %2,%3 %4x%5 in %6x%7")
                         .arg(sub->widget()->objectName())
                         .arg(sub->x())
                         .arg(sub->y())
                         .arg(sub->width())
                         .arg(sub->height())
                         .arg(area.width())
                         .arg(area.height());
    return names;
}

// Labels whose text does not fit their box with the font grown by `scale`
// against the box grown as much, as on a screen scaled by that factor.
QStringList clippedLabels(const QWidget* window, double scale) {
    QStringList clipped;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const QString text = label->text();
        if (!label->isVisibleTo(window) || text.trimmed().isEmpty() || Qt::mightBeRichText(text))
            continue;
        QFont font = label->font();
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * scale);
        else
            font.setPixelSize(qRound(font.pixelSize() * scale));
        const QFontMetricsF metrics(font);
        const QRectF room =
            QRectF(label->contentsRect().marginsRemoved(QMargins(label->margin(), label->margin(),
                                                                 label->margin(), label->margin())))
                .adjusted(0, 0, 0, 0);
        const double width = room.width() * scale, height = room.height() * scale;
        double needWidth = 0, needHeight = 0;
        if (label->wordWrap()) {
            needHeight =
                metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height();
        } else {
            const QStringList lines = text.split(QLatin1Char('\n'));
            for (const QString& line : lines)
                needWidth = std::max(needWidth, metrics.horizontalAdvance(line));
            needHeight = metrics.height() * static_cast<double>(lines.size());
        }
        if (needWidth > width || needHeight > height)
            clipped << QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
                           .arg(label->objectName(), text)
                           .arg(needWidth, 0, 'f', 1)
                           .arg(needHeight, 0, 'f', 1)
                           .arg(width, 0, 'f', 1)
                           .arg(height, 0, 'f', 1);
    }
    return clipped;
}

}  // namespace

TEST(Placement, AWindowIsMovedAndShrunkOnlyAsFarAsNeeded) {
    const QRect area(0, 0, 800, 500);
    const struct {
        QRect wanted, placed;
    } cases[] = {
        {{10, 20, 300, 200}, {10, 20, 300, 200}},      // fits: kept
        {{600, 400, 300, 200}, {500, 300, 300, 200}},  // past the corner: moved back
        {{-40, -10, 300, 200}, {0, 0, 300, 200}},      // before the corner
        {{30, 40, 900, 200}, {0, 40, 800, 200}},       // too wide
        {{30, 40, 300, 640}, {30, 0, 300, 500}},       // too tall
        {{5000, 4000, 2000, 1500}, {0, 0, 800, 500}},  // far off and too large
    };
    for (const auto& c : cases)
        EXPECT_EQ(torvel::placedInside(c.wanted, area), c.placed) << c.wanted.x();
    // In an area that does not start at the origin (a second screen, a panel).
    EXPECT_EQ(torvel::placedInside({0, 0, 300, 200}, {1366, 30, 1280, 994}),
              QRect(1366, 30, 300, 200));
}

TEST(Placement, StudyWindowsOpenAndCascadeWhollyInsideTheMainWindow) {
    forgetPlacement();
    // The main window's client sizes on a 1366 × 768 screen and on a small one.
    for (const QSize size : {QSize(1366, 700), QSize(909, 700), QSize(800, 520)}) {
        SCOPED_TRACE(size.width());
        MDIForm1 m;
        showActive(&m);
        m.resize(size);
        for (const auto& entry : torvel::studyEntries()) {
            m.openStudy(entry.type);
            EXPECT_EQ(outside(m), QStringList()) << "opening " << entry.type;
        }
        m.cascadeInside();
        EXPECT_EQ(outside(m), QStringList()) << "cascaded";
        m.closeAll();
        // Alone.
        for (const auto& entry : torvel::studyEntries()) {
            m.openStudy(entry.type);
            EXPECT_EQ(outside(m), QStringList()) << "alone " << entry.type;
            m.closeAll();
        }
    }
}

TEST(Placement, MainWindowPlaceIsKeptBetweenRunsInsideTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        const char* what;
        QRect left;  // as the last run left it
        bool maximised;
        QRect restored;  // as the next run shows it
    } cases[] = {
        {"kept", {60, 40, 600, 420}, false, {60, 40, 600, 420}},
        {"maximised", {60, 40, 600, 420}, true, {60, 40, 600, 420}},
        {"off the screen",
         {screen.right() + 500, 40, 600, 420},
         false,
         {screen.right() - 599, 40, 600, 420}},
        {"larger than the screen",
         {0, 0, screen.width() + 400, screen.height() + 300},
         false,
         screen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        forgetPlacement();
        {
            MDIForm1 m;
            showActive(&m);
            m.setGeometry(c.left);
            if (c.maximised) m.showMaximized();
        }
        {
            QSettings s = kept();
            // What a screen that has changed since leaves: the rectangle as it was.
            s.setValue(QStringLiteral("fenetre/geometrie"), c.left);
        }
        MDIForm1 next;
        EXPECT_EQ(next.isMaximized() || (next.windowState() & Qt::WindowMaximized), c.maximised);
        EXPECT_EQ(next.normalGeometry().isValid() && c.maximised ? next.normalGeometry()
                                                                 : next.geometry(),
                  c.restored);
    }
    forgetPlacement();
    // With nothing kept, the design size centred on the screen.
    MDIForm1 first;
    EXPECT_TRUE(screen.contains(first.geometry()));
}

TEST(Captions, EveryLabelOfEveryWindowFitsItsBox) {
    for (const double scale : {1.0, 1.25}) {
        for (const auto& entry : torvel::studyEntries()) {
            SCOPED_TRACE(QStringLiteral("%1 at %2").arg(entry.type).arg(scale).toStdString());
            std::unique_ptr<torvel::StudyWindow> w(entry.create());
            showActive(w.get());
            EXPECT_EQ(clippedLabels(w.get(), scale), QStringList()) << "at opening";
            tools::fillExample(w.get(), entry);
            catchMessages([&] { w->calculateAsButton(); });
            EXPECT_EQ(clippedLabels(w.get(), scale), QStringList()) << "after Calculer";
            // A changed entry: the results wait for the next run.
            for (const auto& [name, value] : entry.example) {
                auto* box = w->findChild<QLineEdit*>(QString::fromLatin1(name));
                if (!box || box == w->reference()) continue;
                box->setText(box->text() + QStringLiteral("1"));
                break;
            }
            EXPECT_EQ(clippedLabels(w.get(), scale), QStringList()) << "out of date";
        }
    }
}

TEST(Dialogs, TheStandardDialogsReadFrench) {
    torvel::initApplication(*qApp);
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("Plans"));
    QFile file(dir.filePath("Arbre.torvel"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{}");
    file.close();

    QFileDialog dialog(nullptr, QStringLiteral("Ouvrir une étude"), dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.show();
    auto* model = dialog.findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    const QModelIndex folder = model->index(dir.filePath("Plans"));
    QString folderType;
    for (int i = 0; i < 200 && folderType.isEmpty(); ++i) {
        QTest::qWait(10);
        folderType = model->data(folder.siblingAtColumn(2)).toString();
    }
    // Every word the dialog shows: headers, types, captions, buttons, tips.
    QStringList shown{folderType};
    auto* view = dialog.findChild<QTreeView*>();
    ASSERT_NE(view, nullptr);
    for (int c = 0; c < model->columnCount(); ++c)
        shown << model->headerData(c, Qt::Horizontal).toString();
    for (const QLabel* l : dialog.findChildren<QLabel*>()) shown << l->text();
    for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
        shown << b->text() << b->toolTip();
    for (const QAction* a : dialog.findChildren<QAction*>()) shown << a->text();
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                         QDialogButtonBox::No);
    for (const QAbstractButton* b : box.buttons()) shown << b->text();
    dialog.reject();

    const QStringList english = {
        "Folder",
        "Name",
        "Size",
        "Kind",
        "Date Modified",
        "Look in:",
        "File name:",
        "File &name:",
        "Files of type:",
        "&Open",
        "Open",
        "Cancel",
        "&Cancel",
        "Back",
        "Forward",
        "Parent Directory",
        "Create New Folder",
        "List View",
        "Detail View",
        "Drive",
        "Shortcut",
        "Unknown",
        "&Rename",
        "&Delete",
        "Show &hidden files",
        "&New Folder",
        "&Yes",
        "&No",
    };
    for (const QString& text : shown) EXPECT_FALSE(english.contains(text)) << text.toStdString();
    EXPECT_EQ(folderType, "Dossier");
}
