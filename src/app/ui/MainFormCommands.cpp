#include "app/ui/MainForm.h"

#include "session/Hint.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>
#include <QShortcutEvent>
#include <QToolBar>
#include <QToolButton>

namespace {

QAction* makeCommand(QObject* Owner, QList<QAction*>& All, const char* Name, const QString& Caption,
                     const QString& Hint, const QKeySequence& Shortcut = {}) {
    auto* a = new QAction(Caption, Owner);
    a->setObjectName(QLatin1String(Name));
    a->setShortcut(Shortcut);
    applyHint(a, Hint);
    a->setEnabled(false);
    All.append(a);
    return a;
}

QKeySequence keys(const char* Text) {
    return QKeySequence(QLatin1String(Text));
}

} // namespace

void TMainForm::buildCommands() {
    MainCommands& c = m_commands;
    QList<QAction*>& all = c.all;
    const auto cmd = [&](const char* Name, const QString& Caption, const QString& Hint,
                         const QKeySequence& Shortcut = {}, int Image = -1) {
        QAction* a = makeCommand(this, all, Name, Caption, Hint, Shortcut);
        if (Image >= 0) a->setIcon(m_menuImages.icon(Image));
        return a;
    };
    using M = MenuImageList;

    // File
    c.NewA = cmd("NewA", tr("&New"), tr("New|Creates a new icon/cursor."), keys("Ctrl+N"), M::New);
    c.OpenA = cmd("OpenA", tr("&Open"), tr("Open|Opens an existing icon/cursor file."),
                  keys("Ctrl+O"), M::Open);
    c.SaveA = cmd("SaveA", tr("&Save"), tr("Save|Saves current icon/cursor to file."),
                  keys("Ctrl+S"), M::Save);
    c.SaveAs1 = cmd("SaveAs1", tr("Save &As..."), tr("Saves current icon/cursor as a new file."));
    c.Recent1 = cmd("Recent1", tr("&1 "), QString());
    c.Recent2 = cmd("Recent2", tr("&2 "), QString());
    c.Recent3 = cmd("Recent3", tr("&3 "), QString());
    c.Recent4 = cmd("Recent4", tr("&4 "), QString());
    for (int i = 0; i < 4; ++i)
        c.recentItems()[i]->setVisible(false);
    c.Exit1 = cmd("Exit1", tr("E&xit"), tr("Quits Brisel."));

    // Edit
    c.UndoA =
        cmd("UndoA", tr("&Undo"), tr("Undo|Undoes the last action."), keys("Ctrl+Z"), M::Undo);
    c.RedoA = cmd("RedoA", tr("&Redo"), tr("Redo|Redoes the previously undone action."),
                  keys("Ctrl+Shift+Z"), M::Redo);
    c.CutA =
        cmd("CutA", tr("&Cut"), tr("Cut|Cuts the image/selection and puts it on the Clipboard."),
            keys("Ctrl+X"), M::Cut);
    c.CopyA = cmd("CopyA", tr("&Copy"),
                  tr("Copy|Copies the image/selection and puts it on the Clipboard."),
                  keys("Ctrl+C"), M::Copy);
    c.PasteA = cmd("PasteA", tr("&Paste"), tr("Paste|Inserts the contents of the Clipboard."),
                   keys("Ctrl+V"), M::Paste);
    c.Clear2 =
        cmd("Clear2", tr("C&lear"), tr("Clears the image/selection."), keys("Del"), M::Clear);

    // Icon
    c.NewIA = cmd("NewIA", tr("&New"), tr("New Icon|Adds a new icon/cursor to file."),
                  keys("Ctrl+I"), M::NewImage);
    c.Open2 = cmd("Open2", tr("&Open"),
                  tr("Opens an icon/cursor file and adds its images to current file."));
    c.RemoveIA = cmd("RemoveIA", tr("&Remove"), tr("Remove Icon|Deletes active image from file."),
                     keys("Ctrl+R"), M::RemoveImage);
    c.Duplicate1 = cmd("Duplicate1", tr("&Duplicate"), tr("Creates a copy of active image."));
    c.Resize1 = cmd("Resize1", tr("&Resize"), tr("Changes the size of active image."));
    c.N21 = cmd("N21", tr("&2 Colors (1bit)"), tr("Changes image colors format to 1bit."));
    c.N16Colors1 =
        cmd("N16Colors1", tr("&16 Colors (4bits)"), tr("Changes image colors format to 4bit."));
    c.N256Color1 =
        cmd("N256Color1", tr("2&56 Colors (8bits)"), tr("Changes image colors format to 8bit."));
    c.reuColors1 =
        cmd("reuColors1", tr("&True Color (24bits)"), tr("Changes image colors format to 24bit."));
    c.rueColorwithAplpha1 = cmd("rueColorwithAplpha1", tr("True Color with &Alpha (32bits)"),
                                tr("Changes image colors format to 32bit."));
    c.FormatGroup = new QActionGroup(this);
    c.FormatGroup->setExclusive(true);
    static const int tags[] = {1, 4, 8, 24, 32};
    for (int i = 0; i < 5; ++i) {
        QAction* a = c.formatItems()[i];
        a->setCheckable(true);
        a->setData(tags[i]); // the format the entry changes to
        c.FormatGroup->addAction(a);
    }
    c.PalA = cmd("PalA", tr("&Configure Palette"),
                 tr("Configure Palette|Configures active image palette."), {}, M::Palette);
    c.PreviewA = cmd("PreviewA", tr("&Preview"), tr("Preview|Previews active image."),
                     keys("Ctrl+P"), M::Preview);

    // Effects
    c.Invert1 =
        cmd("Invert1", tr("&Invert Colors"),
            tr("Inverts red, green and blue channels of the image/selection."), keys("Alt+I"));
    c.InvertAlpha1 = cmd("InvertAlpha1", tr("Invert &Alpha"),
                         tr("Inverts alpha channel of the image/selection."), keys("Alt+A"));
    c.GrayScale1 = cmd("GrayScale1", tr("&Grayscale"),
                       tr("Changes image/selection colors to grayscale."), keys("Alt+G"));
    c.ColorL1 = cmd("ColorL1", tr("Color &Levels"),
                    tr("Adjusts red, green, blue and alpha channels of then image/selection."),
                    keys("Alt+L"));
    c.ImageBalance1 =
        cmd("ImageBalance1", tr("Image &Balance"),
            tr("Adjusts brightness, contrast and gamma of the image/selection."), keys("Alt+B"));
    c.Saturation1 = cmd("Saturation1", tr("&Saturation"), tr("Reduces image/selection saturation."),
                        keys("Alt+S"));
    c.AddColorNoise1 =
        cmd("AddColorNoise1", tr("Add Color &Noise"),
            tr("Adds noise with random 24bit colors to the image/selection."), keys("Alt+N"));
    c.AddColorNoisewithAlpha1 =
        cmd("AddColorNoisewithAlpha1", tr("Add Color Noise with Alp&ha"),
            tr("Adds noise with random 32bit colors to the image/selection."), keys("Alt+F"));
    c.AddPenNoise1 =
        cmd("AddPenNoise1", tr("Add &Pen Noise"),
            tr("Adds noise with foreground color to the image/selection."), keys("Alt+P"));
    c.Spray1 = cmd("Spray1", tr("Spa&tter"), tr("Replaces image/selection pixels."), keys("Alt+T"));
    c.Blur1 = cmd("Blur1", tr("Bl&ur"), tr("Softens image/selection."), keys("Alt+U"));
    c.Shadow1 =
        cmd("Shadow1", tr("Sha&dow"), tr("Creates a shadow of image/selection."), keys("Alt+D"));
    const QString emboss = tr("Applies the Emboss effect");
    c.opLeft1 = cmd("opLeft1", tr("Top Left"), emboss, keys("Alt+E"));
    c.opRight1 = cmd("opRight1", tr("Top Right"), emboss, keys("Alt+Shift+E"));
    c.BottomLeft1 = cmd("BottomLeft1", tr("Bottom Left"), emboss, keys("Ctrl+E"));
    c.BootomRight1 = cmd("BootomRight1", tr("Bootom Right"), emboss, keys("Ctrl+Shift+E"));
    c.opLeft1->setData(0);
    c.opRight1->setData(20);
    c.BottomLeft1->setData(2);
    c.BootomRight1->setData(22);
    c.SmoothStretch1 = cmd("SmoothStretch1", tr("S&mooth Contract"), QString(), keys("Alt+M"));
    c.Cloclwise1 = cmd("Cloclwise1", tr("Clock&wise"),
                       tr("Rotates image/selection 90 degrees clockwise."), keys("Alt+W"));
    c.CounterClockwise1 =
        cmd("CounterClockwise1", tr("&Counterclockwise"),
            tr("Rotates image/selection 90 degrees counterclockwise."), keys("Alt+C"));
    c.Custom1 =
        cmd("Custom1", tr("Cust&om Rotation"),
            tr("Rotates image/selection 0 to 360 degrees counterclockwise."), keys("Alt+O"));
    c.FlipHorizentall1 = cmd("FlipHorizentall1", tr("Flip &Horizontal"),
                             tr("Flips image/selection horizontal."), keys("Alt+H"));
    c.FlipVertical1 = cmd("FlipVertical1", tr("Flip &Vertical"),
                          tr("Flips image/selection vertical."), keys("Alt+V"));

    // Options
    c.ransparentColor1 =
        cmd("ransparentColor1", tr("&Transparent Color"), tr("Changes screen transparent color."));
    c.InvertedColor1 =
        cmd("InvertedColor1", tr("&Inverted Color"), tr("Changes screen inverted color."));
    c.GridColor1 = cmd("GridColor1", tr("&Grid Color"), tr("Changes grid color."));
    c.UndoLevel1 = cmd("UndoLevel1", tr("Undo Le&vel"), tr("Specifies the number of undo levels."));
    c.ransparencyalpharange1 =
        cmd("ransparencyalpharange1", tr("Transparency alpha &range"),
            tr("Specifies the maximum alpha channel of transparent colors."));

    // View
    c.GridA = cmd("GridA", tr("&Grid"), tr("Grid|Shows/Hides grid."), keys("Ctrl+G"), M::Grid);
    c.GridA->setCheckable(true);
    c.GridA->setChecked(true);
    c.oolbar1 = cmd("oolbar1", tr("&Toolbar"), tr("Shows/Hides toolbar."));
    c.oolbar1->setCheckable(true);
    c.oolbar1->setChecked(true);
    c.Statusbar1 = cmd("Statusbar1", tr("&Status bar"), tr("Shows/Hides status bar."));
    c.Statusbar1->setCheckable(true);
    c.Statusbar1->setChecked(true);

    // Help
    c.HelpA =
        cmd("HelpA", tr("&Contents"), tr("Help|Displays help contents."), keys("F1"), M::Help);
    c.VisitHomepage1 = cmd("VisitHomepage1", tr("Visit Homepage"),
                           tr("Opens default web browser and connects to Tavro."));
    c.About1 = cmd("About1", tr("About..."), QString());

    // Shortcuts work while the menus are closed and the tool bar is hidden.
    addActions(all);
    for (QAction* a : all)
        a->installEventFilter(this);
}

void TMainForm::buildMenus() {
    MainCommands& c = m_commands;
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    bar->installEventFilter(this);
    const auto menu = [](QMenu* M, const char* Name) {
        M->setObjectName(QLatin1String(Name));
        return M;
    };

    c.File1 = menu(bar->addMenu(tr("&File")), "File1");
    c.File1->addActions({c.NewA, c.OpenA, c.SaveA, c.SaveAs1});
    c.File1->addSeparator();
    c.File1->addActions(c.recentItems());
    c.N2 = c.File1->addSeparator();
    c.N2->setObjectName(QStringLiteral("N2"));
    c.N2->setVisible(false); // shown while there is a recent file
    c.File1->addAction(c.Exit1);

    c.Edit1 = menu(bar->addMenu(tr("&Edit")), "Edit1");
    c.Edit1->addActions({c.UndoA, c.RedoA});
    c.Edit1->addSeparator();
    c.Edit1->addActions({c.CutA, c.CopyA, c.PasteA, c.Clear2});

    c.Icon1 = menu(bar->addMenu(tr("&Icon")), "Icon1");
    c.Icon1->addActions({c.NewIA, c.Open2, c.RemoveIA, c.Duplicate1});
    c.Icon1->addSeparator();
    c.Icon1->addAction(c.Resize1);
    c.Color2 = menu(c.Icon1->addMenu(tr("Image C&olors")), "Color2");
    applyHint(c.Color2->menuAction(), tr("Changes the color format of active image."));
    c.Color2->addActions(c.formatItems());
    c.Icon1->addAction(c.PalA);
    c.Icon1->addSeparator();
    c.Icon1->addAction(c.PreviewA);

    c.Effects1 = menu(bar->addMenu(tr("&Effects")), "Effects1");
    c.Effects1->addActions({c.Invert1, c.InvertAlpha1, c.GrayScale1, c.ColorL1});
    c.Effects1->addSeparator();
    c.Effects1->addActions({c.ImageBalance1, c.Saturation1});
    c.Effects1->addSeparator();
    c.Effects1->addActions({c.AddColorNoise1, c.AddColorNoisewithAlpha1, c.AddPenNoise1, c.Spray1});
    c.Effects1->addSeparator();
    c.Effects1->addActions({c.Blur1, c.Shadow1});
    c.Emboss1 = menu(c.Effects1->addMenu(tr("&Emboss")), "Emboss1");
    applyHint(c.Emboss1->menuAction(), tr("Makes image/selection appear raised or stamped."));
    c.Emboss1->addActions({c.opLeft1, c.opRight1, c.BottomLeft1, c.BootomRight1});
    c.Effects1->addSeparator();
    c.Effects1->addAction(c.SmoothStretch1);
    c.Rotate1 = menu(c.Effects1->addMenu(tr("&Rotate")), "Rotate1");
    applyHint(c.Rotate1->menuAction(), tr("Rotates the image/selection."));
    c.Rotate1->addActions({c.Cloclwise1, c.CounterClockwise1, c.Custom1});
    c.Flip1 = menu(c.Effects1->addMenu(tr("&Flip")), "Flip1");
    applyHint(c.Flip1->menuAction(), tr("Flips image/selection."));
    c.Flip1->addActions({c.FlipHorizentall1, c.FlipVertical1});

    c.Options1 = menu(bar->addMenu(tr("&Options")), "Options1");
    c.Options1->addActions({c.ransparentColor1, c.InvertedColor1, c.GridColor1});
    c.Options1->addSeparator();
    c.Options1->addActions({c.UndoLevel1, c.ransparencyalpharange1});

    c.Veiw1 = menu(bar->addMenu(tr("&Veiw")), "Veiw1");
    c.Veiw1->addAction(c.GridA);
    c.Veiw1->addSeparator();
    c.Veiw1->addActions({c.oolbar1, c.Statusbar1});

    c.Help1 = menu(bar->addMenu(tr("&Help")), "Help1");
    c.Help1->addAction(c.HelpA);
    c.Help1->addSeparator();
    c.Help1->addAction(c.VisitHomepage1);
    c.Help1->addSeparator();
    c.Help1->addAction(c.About1);
}

void TMainForm::buildToolBar() {
    const MainCommands& c = m_commands;
    m_toolBar = new QToolBar(tr("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(MenuImageList::ImageSize, MenuImageList::ImageSize));
    m_toolBar->setFixedHeight(37);
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    const QList<QList<QAction*>> groups = {
        {c.NewA, c.OpenA, c.SaveA},
        {c.UndoA, c.RedoA},
        {c.CutA, c.CopyA, c.PasteA},
        {c.NewIA, c.RemoveIA, c.PalA, c.PreviewA},
        {c.GridA},
        {c.HelpA},
    };
    for (int g = 0; g < groups.size(); ++g) {
        if (g > 0) m_toolBar->addSeparator();
        for (QAction* a : groups[g]) {
            m_toolBar->addAction(a);
            if (QWidget* button = m_toolBar->widgetForAction(a)) button->setFixedSize(31, 30);
        }
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void TMainForm::bindCommand(QAction* Command, std::function<void()> Handler) {
    connect(Command, &QAction::triggered, this, [Handler = std::move(Handler)] { Handler(); });
    Command->setEnabled(true);
}

// Some commands share their key with a menu title's mnemonic (Alt+F, Alt+E,
// ...). The command wins, as it always has in this program; Qt would
// otherwise take turns between the two and warn.
bool TMainForm::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::Shortcut) {
        auto* se = static_cast<QShortcutEvent*>(Event);
        if (se->isAmbiguous()) {
            for (QAction* a : m_commands.all) {
                if (a->isEnabled() && a->shortcut() == se->key()) {
                    a->trigger();
                    return true;
                }
            }
        }
    }
    return QMainWindow::eventFilter(Watched, Event);
}
