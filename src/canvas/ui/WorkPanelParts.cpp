#include "canvas/ui/WorkPanelParts.h"

#include "canvas/tools/ToolController.h"
#include "canvas/ui/WorkView.h"
#include "session/EditSession.h"

#include <QFrame>
#include <QVBoxLayout>

WorkPanelParts buildWorkPanel(QWidget* WorkPanel) {
    auto* layout = qobject_cast<QVBoxLayout*>(WorkPanel->layout());
    if (!layout) layout = new QVBoxLayout(WorkPanel);
    layout->setSpacing(0);

    // Work keeps its 8-pixel distance to the panel's edges and to OpsPanel
    // while the panel grows and shrinks; around the image the panel shows.
    auto* area = new QWidget(WorkPanel);
    area->setObjectName(QStringLiteral("WorkArea"));
    auto* areaLayout = new QVBoxLayout(area);
    areaLayout->setContentsMargins(8, 8, 8, 8);
    WorkPanelParts parts;
    parts.Work = new WorkView(area);
    areaLayout->addWidget(parts.Work);

    parts.OpsPanel = new QFrame(WorkPanel);
    parts.OpsPanel->setObjectName(QStringLiteral("OpsPanel"));
    parts.OpsPanel->setFixedHeight(57);
    auto* opsLayout = new QHBoxLayout(parts.OpsPanel);
    opsLayout->setContentsMargins(0, 0, 0, 0);

    layout->addWidget(area, 1);
    layout->addWidget(parts.OpsPanel);
    return parts;
}

WorkViewScene sessionScene(WorkDisplay& Session) {
    const IconImage& active = Session.ActiveImage();
    const ProgramSettings& settings = Session.settings();
    WorkViewScene scene;
    scene.WorkBitmap = &Session.WorkBitmap();
    scene.CleanBitmap = &Session.CleanBitmap();
    scene.Format = active.Format;
    scene.Transparency = Session.transparency();
    scene.GridShown = settings.Grid;
    scene.GridColor = settings.GridColor;
    scene.HotSpot = QPoint(active.HotSpotX, active.HotSpotY);
    if (const FloatingSelection* f = Session.floatingSelection())
        scene.Selection = FloatingSelectionOverlay{&f->Pixels, f->SelectionRect()};
    return scene;
}

void connectWorkView(WorkView* Work, EditSession& Session) {
    Work->setSceneSource([&Session] { return sessionScene(Session); });
    QObject::connect(&Session, &EditSession::workChanged, Work, &WorkView::renderWorkView);
    QObject::connect(&Session, &EditSession::activeImageChanged, Work, &WorkView::zoomToFit);
    EditSession* session = &Session;
    QObject::connect(&Session, &EditSession::selTimChanged, Work, [Work, session] {
        Work->setSelectionFrame(session->selTimEnabled(), session->selTimInterval());
    });
}

void connectWorkMouse(WorkView* Work, ToolController& Tools, QObject* Context) {
    ToolController* c = &Tools;
    QObject::connect(Work, &WorkView::workMouseDown, Context,
                     [c](QPoint P, WorkButton B, WorkShift S) { c->WorkMouseDown(P, B, S); });
    QObject::connect(Work, &WorkView::workMouseMove, Context,
                     [c](QPoint P, WorkShift S) { c->WorkMouseMove(P, S); });
    QObject::connect(Work, &WorkView::workMouseUp, Context,
                     [c](QPoint P, WorkButton B, WorkShift S) { c->WorkMouseUp(P, B, S); });
    QObject::connect(Work, &WorkView::workDblClick, Context, [c](QPoint) { c->WorkDblClick(); });
}
