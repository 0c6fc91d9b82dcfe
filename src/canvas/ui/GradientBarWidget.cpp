#include "canvas/ui/GradientBarWidget.h"

#include "canvas/tools/GradientBar.h"
#include "session/Hint.h"

#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {

QColor rgbOf(TColor C) {
    return QColor(RedOf(C), GreenOf(C), BlueOf(C));
}

constexpr int StopTop = 10, StopWidth = 4, StopHeight = 20;

} // namespace

// --- FCol, LCol ---

GradientSwatch::GradientSwatch(GradientModel& Model, GradientModel::End End,
                               DrawingColourSource Colours, QWidget* Parent)
    : QFrame(Parent), m_model(Model), m_end(End), m_colours(std::move(Colours)) {
    setObjectName(End == GradientModel::End::First ? QStringLiteral("FCol")
                                                   : QStringLiteral("LCol"));
    setFixedSize(5, 40);
    connect(&m_model, &GradientModel::changed, this, &GradientSwatch::showColour);
    showColour();
}

void GradientSwatch::showColour() {
    applyHint(this, GradientModel::hintFor(m_model.endColour(m_end)));
    update();
}

void GradientSwatch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const TColor32 c = m_model.endColour(m_end);
    p.fillRect(rect(), rgbOf(Color32ToColor(c)));
    p.setPen(rgbOf(GradientModel::outlineFor(c)));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

// FColMouseUp.
void GradientSwatch::mouseReleaseEvent(QMouseEvent* Event) {
    const DrawingColours c = m_colours();
    m_model.releaseEnd(m_end, Event->button(), c.Foreground, c.Background);
}

// --- a colour stop ---

class GradientStopMarker : public QWidget {
public:
    GradientStopMarker(GradientBarPanel& Bar, int Id) : QWidget(&Bar), m_bar(Bar), m_id(Id) {
        setObjectName(QStringLiteral("Stop%1").arg(Id));
        setCursor(Qt::SizeHorCursor);
    }
    int id() const { return m_id; }

    void follow(const GradientModel::Stop& S) {
        setGeometry(S.left, StopTop, StopWidth, StopHeight);
        if (S.colour != m_colour || toolTip().isEmpty()) {
            m_colour = S.colour;
            applyHint(this, GradientModel::hintFor(S.colour));
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), rgbOf(Color32ToColor(m_colour)));
        p.setPen(rgbOf(GradientModel::outlineFor(m_colour)));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void mousePressEvent(QMouseEvent* Event) override {
        m_bar.m_model.pressStop(m_id, Event->button(), int(Event->position().x()));
    }
    void mouseMoveEvent(QMouseEvent* Event) override {
        if (const auto text = m_bar.m_model.moveStop(m_id, int(Event->position().x())))
            emit m_bar.hoverText(*text);
    }
    void mouseReleaseEvent(QMouseEvent* Event) override {
        const DrawingColours c = m_bar.m_colours();
        if (m_bar.m_model.releaseStop(m_id, Event->button(), c.Foreground, c.Background))
            m_bar.openPopup();
    }

private:
    GradientBarPanel& m_bar;
    int m_id;
    TColor32 m_colour = 0;
};

// --- GraBox ---

class GradientBox : public QWidget {
public:
    explicit GradientBox(GradientBarPanel& Bar) : QWidget(&Bar), m_bar(Bar) {
        setObjectName(QStringLiteral("GraBox"));
        setGeometry(1, 1, GradientBarWidth, GradientBarHeight);
        setMouseTracking(true);
        applyHint(this, QStringLiteral("Click to add color separators"));
    }

protected:
    // GraBoxPaint.
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, m_bar.m_bar);
    }
    // GraBoxMouseMove.
    void mouseMoveEvent(QMouseEvent* Event) override {
        emit m_bar.hoverText(gradientHoverText(int(Event->position().x())));
    }
    // GraBoxMouseUp: any button adds a stop where it was released.
    void mouseReleaseEvent(QMouseEvent* Event) override {
        const int x = int(Event->position().x());
        if (x < 0 || x >= width()) return;
        m_bar.m_model.addStop(x, m_bar.m_colours().Foreground);
    }

private:
    GradientBarPanel& m_bar;
};

// --- GraP ---

GradientBarPanel::GradientBarPanel(GradientModel& Model, QImage Background,
                                   DrawingColourSource Colours, QWidget* Parent)
    : QFrame(Parent), m_model(Model), m_background(std::move(Background)),
      m_colours(std::move(Colours)) {
    setObjectName(QStringLiteral("GraP"));
    setFixedSize(GradientBarWidth + 2, GradientBarHeight + 2);
    m_box = new GradientBox(*this);

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("GrPop"));
    // The right-button release that opens the menu has already given the
    // stop the background colour: "Set Color" only confirms it.
    m_popup->addAction(tr("Set Color"));
    QAction* remove = m_popup->addAction(tr("Delete"));
    remove->setObjectName(QStringLiteral("Delete2"));
    connect(remove, &QAction::triggered, this, [this] { m_model.deletePopupStop(); });

    connect(&m_model, &GradientModel::changed, this, &GradientBarPanel::RenderGradientBar);
    RenderGradientBar();
}

QWidget* GradientBarPanel::marker(int StopId) const {
    const auto it = m_markers.find(StopId);
    return it == m_markers.end() ? nullptr : it->second;
}

void GradientBarPanel::RenderGradientBar() {
    m_bar = ::RenderGradientBar(m_model.colours(), m_background);
    syncMarkers();
    m_box->update();
}

void GradientBarPanel::syncMarkers() {
    // Markers are kept, not rebuilt, so a stop being dragged keeps its mouse.
    std::map<int, QWidget*> kept;
    for (const GradientModel::Stop& s : m_model.stops()) {
        auto it = m_markers.find(s.id);
        GradientStopMarker* marker = nullptr;
        if (it != m_markers.end()) {
            marker = static_cast<GradientStopMarker*>(it->second);
            m_markers.erase(it);
        } else {
            marker = new GradientStopMarker(*this, s.id);
            marker->show();
        }
        // Later stops lie over earlier ones, as they win at the same place.
        marker->raise();
        marker->follow(s);
        kept[s.id] = marker;
    }
    for (auto& [id, gone] : m_markers) {
        gone->hide();
        gone->deleteLater();
    }
    m_markers = std::move(kept);
}

void GradientBarPanel::openPopup() {
    m_popup->popup(QCursor::pos());
}
