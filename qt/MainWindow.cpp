#include "qt/MainWindow.h"

#include "app/MainMenu.h"
#include "qt/Accessibility.h"
#include "qt/CalculatorPanelView.h"
#include "qt/ElidingLabel.h"
#include "qt/Icons.h"
#include "qt/InfoWindow.h"
#include "qt/LabelBinding.h"
#include "qt/ListBinding.h"
#include "qt/MenuBinding.h"
#include "qt/Mirror.h"
#include "qt/SchedulerPanelView.h"
#include "qt/TextBinding.h"
#include "qt/TimerBinding.h"
#include "qt/TreeBinding.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>

namespace qt {

namespace {

// The window as designed; on a smaller screen it and its fixed-width parts shrink by the same factor.
constexpr QSize DesignSize(900, 600);
// The window as it opens on a 640 x 480 screen.
constexpr QSize SmallestSize(640, 427);
constexpr int PanelWidth = 280;
constexpr int TabStripWidth = 96;

// How much smaller than the design the screen the window opens on is, 1 where it has room.
double shrinkToScreen(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return 1.0;
    const QSize available = screen->availableSize();
    return std::min({1.0, double(available.width()) / DesignSize.width(),
                     double(available.height()) / DesignSize.height()});
}

struct TabParts {
    ui::PictureBox& back;
    ui::CommandButton& button;
    ui::Label& label;
    QIcon icon;
    QString title;
    // What the label under the button shows.
    QString labelShows;
    // A date reads badly broken inside a word; a long result shows its start, broken anywhere.
    bool wholeWords = false;
};

// A panel's tab: a raised strip with a button and a label under it; any of the three opens or closes the
// panel.
QFrame* buildTab(const TabParts& parts, QWidget* parent) {
    auto* back = new QFrame(parent);
    back->setFrameStyle(QFrame::Panel | QFrame::Raised);
    const QString action = QStringLiteral("Show or hide the %1").arg(parts.title.toLower());
    back->setAccessibleName(QStringLiteral("%1 tab").arg(parts.title));
    setAccessibleRole(*back, QAccessible::Grouping);
    back->setToolTip(action);
    bindPicture(parts.back, *back);

    auto* button = new QPushButton(back);
    button->setIcon(parts.icon);
    button->setAccessibleName(parts.title);
    button->setAccessibleDescription(action);
    button->setToolTip(action);
    bindButton(parts.button, *button);

    auto* label = new ElidingLabel(back);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWholeWords(parts.wholeWords);
    // The text is what a screen reader reads, as a sighted user reads it; what it is goes in the
    // description.
    label->setAccessibleDescription(
        QStringLiteral("%1; a click shows or hides the %2").arg(parts.labelShows, parts.title.toLower()));
    bindLabel(parts.label, *label);

    auto* layout = new QVBoxLayout(back);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(button);
    layout->addWidget(label, 1);
    return back;
}

} // namespace

MainWindow::MainWindow(app::MainControls& controls) : controls_(controls) {
    setObjectName(toQString(controls.frmMain.Name()));
    setWindowTitle(toQString(controls.frmMain.Caption()));
    setAccessibleName(windowTitle());
    shrink_ = shrinkToScreen(*this);
    resize(DesignSize * shrink_);
    // No smaller than on the smallest screen it is made for, where every caption and line still reads
    // whole; a still smaller screen keeps the window it opened with.
    setMinimumSize(size().boundedTo(SmallestSize));

    menuBar()->setObjectName(QStringLiteral("menuBar"));
    new MenuBinding(controls.menu.bar, *menuBar());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setAccessibleName(QStringLiteral("Notes and panels"));
    auto* layout = new QHBoxLayout(client);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(buildNotesArea(client), 1);
    layout->addWidget(
        buildPanel(controls.cCalcWinBack, QStringLiteral("Calculator panel"), client, buildCalculatorPanel));
    QWidget* scheduler =
        buildPanel(controls.dDateWinBack, QStringLiteral("Scheduler panel"), client, buildSchedulerPanel);
    // The day changes whether the panel has ever been opened or not: the tab shows the date.
    bindTimer(controls.dDateWinTimer, *scheduler);
    layout->addWidget(scheduler);
    layout->addWidget(buildTabStrip(client));
    setCentralWidget(client);
    finishPart(*this);

    connectWhileAlive(controls.InfoLoaded, this, [this](app::frmInfo& form) { new InfoWindow(form, *this); });

    // Last, so that the window is shown only once every widget inside it exists.
    mirrorEnabledVisible(controls.frmMain, *this);
    settleKeyboardAfterEachStep(controls.frmMain, *this);
}

QWidget* MainWindow::buildNotesArea(QWidget* parent) {
    auto* notes = new QSplitter(Qt::Horizontal, parent);
    notes->setObjectName(QStringLiteral("notesSplitter"));
    notes->setAccessibleName(QStringLiteral("Notes"));
    notes->setChildrenCollapsible(false);
    auto* tree = new TreeBinding(controls_.lTre, notes);
    tree->setAccessibleName(QStringLiteral("Folders"));
    tree->setAccessibleDescription(QStringLiteral(
        "Scrivlet holds your folders and Trash the deleted ones; selecting a folder lists its items"));
    notes->addWidget(tree);

    auto* right = new QSplitter(Qt::Vertical, notes);
    right->setObjectName(QStringLiteral("itemSplitter"));
    right->setAccessibleName(QStringLiteral("Items and text"));
    right->setChildrenCollapsible(false);
    notes->addWidget(right);

    auto* list = new ListBinding(controls_.lItem, right);
    list->setAccessibleName(QStringLiteral("Items"));
    list->setAccessibleDescription(
        QStringLiteral("The items of the selected folder; selecting one shows its text below"));
    right->addWidget(list);

    auto* text = new QPlainTextEdit(right);
    text->setAccessibleName(QStringLiteral("Item text"));
    text->setAccessibleDescription(QStringLiteral("The text of the selected item, edited in place"));
    // Tab moves on to the next control, so the keyboard can leave the text box.
    text->setTabChangesFocus(true);
    bindTextBox(controls_.lText, *text);
    right->addWidget(text);

    right->setStretchFactor(0, 1);
    right->setStretchFactor(1, 2);
    notes->setStretchFactor(0, 1);
    notes->setStretchFactor(1, 2);
    return notes;
}

// The frame of either side panel: a sunken area of the panels' fixed width, shown and hidden with its
// control; the panel's own view fills it. Both are built here so that they look and behave alike.
QWidget* MainWindow::buildPanel(ui::PictureBox& control, const QString& accessibleName, QWidget* parent,
                                void (*buildContent)(app::MainControls&, QWidget&)) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel->setFixedWidth(shrunk(PanelWidth));
    panel->setAccessibleName(accessibleName);
    setAccessibleRole(*panel, QAccessible::Pane);
    // Connected before the frame's own binding, so that the content exists, still hidden with the frame,
    // before the frame is shown and before the step that opened it hands the keyboard to a control inside.
    const auto buildWhenOpened = [this, &control, panel, buildContent, built = std::make_shared<bool>()] {
        if (*built || !control.Visible())
            return;
        *built = true;
        buildContent(controls_, *panel);
        finishPart(*panel);
    };
    connectWhileAlive(control.Changed, panel, buildWhenOpened);
    buildWhenOpened();
    bindPicture(control, *panel);
    return panel;
}

// What every new part of the window needs once it exists: a place in the Tab order, its composed texts
// kept left to right, and names for the parts inside its widgets.
void MainWindow::finishPart(QWidget& part) {
    orderTabStops();
    // The texts the program composes (slot lines, date rows, the tabs' day and result, the month, the
    // information lines, the Term and its result) are numbers, labels and dates written left to right; in a
    // right-to-left layout a line starting with a number would read backwards ("5 : 0" for slot 0 = 5).
    // These widgets keep left to right; the rest of the window follows the layout.
    for (const char* name : {"cCalcWinVarList", "cCalcWinInput", "cCalcWinResult", "cCalcWinInfo",
                             "cCalcMenuResult", "dDateMenuDisplay", "dDateWinDisplay", "dBackWinDateList"})
        if (auto* widget = part.findChild<QWidget*>(QLatin1String(name)))
            widget->setLayoutDirection(Qt::LeftToRight);
    nameInnerParts(part);
}

// Tab reads the window as a person does: the notes from left to right, then the open panel's controls,
// then the tabs. Only one panel is ever shown, so the other one's controls are passed over.
void MainWindow::orderTabStops() {
    QList<QWidget*> stops;
    for (const char* name : {"lTre", "lItem", "lText"})
        stops << findChild<QWidget*>(QLatin1String(name));
    for (const char* panel : {"cCalcWinBack", "dDateWinBack"})
        stops << tabStopsIn(*findChild<QWidget*>(QLatin1String(panel)));
    for (const char* name : {"cCalcMenuButton", "dDateMenuButton"})
        if (auto* button = findChild<QWidget*>(QLatin1String(name)))
            stops << button;
    setTabStops(stops);
}

QWidget* MainWindow::buildTabStrip(QWidget* parent) {
    auto* strip = new QWidget(parent);
    strip->setObjectName(QStringLiteral("panelTabs"));
    strip->setAccessibleName(QStringLiteral("Panel tabs"));
    strip->setFixedWidth(shrunk(TabStripWidth));
    auto* layout = new QVBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(buildTab({controls_.cCalcMenuBack, controls_.cCalcMenuButton, controls_.cCalcMenuResult,
                                calculatorTabIcon(), QStringLiteral("Calculator"),
                                QStringLiteral("The result of the term")},
                               strip),
                      1);
    layout->addWidget(
        buildTab({controls_.dDateMenuBack, controls_.dDateMenuButton, controls_.dDateMenuDisplay,
                  schedulerTabIcon(), QStringLiteral("Scheduler"), QStringLiteral("Today's date"), true},
                 strip),
        1);
    return strip;
}

int MainWindow::shrunk(int designWidth) const {
    return static_cast<int>(std::lround(designWidth * shrink_));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    controls_.frmMain.userClose();
}

} // namespace qt
