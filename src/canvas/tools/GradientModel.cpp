#include "canvas/tools/GradientModel.h"

#include <algorithm>

GradientModel::GradientModel(QObject* parent) : QObject(parent) {}

const GradientModel::Stop* GradientModel::stop(int id) const {
    const auto it =
        std::find_if(m_stops.begin(), m_stops.end(), [id](const Stop& s) { return s.id == id; });
    return it == m_stops.end() ? nullptr : &*it;
}

GradientModel::Stop* GradientModel::findStop(int id) {
    return const_cast<Stop*>(static_cast<const GradientModel*>(this)->stop(id));
}

ColourStops GradientModel::colourStops() const {
    ColourStops table;
    for (const Stop& s : m_stops) {
        const int p = s.position();
        if (p < 0 || p > GradientLastPosition) continue;
        table.colour[std::size_t(p)] = s.colour;
        table.set[std::size_t(p)] = true;
    }
    table.colour[0] = m_first;
    table.set[0] = true;
    table.colour[GradientLastPosition] = m_last;
    table.set[GradientLastPosition] = true;
    return table;
}

int GradientModel::addStop(int barX, TColor32 foreground) {
    // The stop's left edge is the clicked column, so a click near the right
    // end puts it at 200 or past it, where the end colour wins, until it is
    // dragged in.
    Stop s;
    s.id = m_nextId++;
    s.left = barX;
    s.colour = foreground;
    m_stops.push_back(s);
    emit changed();
    return s.id;
}

void GradientModel::pressStop(int id, Qt::MouseButton button, int xInStop) {
    if (!stop(id)) return;
    if (button == Qt::LeftButton) {
        m_dragStop = id;
        m_pressX = xInStop;
    } else {
        m_popupStop = id;
    }
}

std::optional<QString> GradientModel::moveStop(int id, int xInStop) {
    if (!m_dragStop || *m_dragStop != id) return std::nullopt;
    Stop* s = findStop(id);
    if (!s) return std::nullopt;
    m_stopMoved = true;
    // Clamped rather than refused, so that a quick drag past an end still
    // brings the stop right up to it.
    const int left = std::clamp(s->left + xInStop - m_pressX, MinStopLeft, MaxStopLeft);
    if (left != s->left) {
        s->left = left;
        emit changed();
    }
    return QStringLiteral("%1 %").arg(s->position() / 2);
}

bool GradientModel::consumeMoved() {
    m_dragStop.reset();
    const bool moved = m_stopMoved;
    m_stopMoved = false;
    return moved;
}

bool GradientModel::releaseStop(int id, Qt::MouseButton button, TColor32 foreground,
                                TColor32 background) {
    if (consumeMoved()) return false;
    Stop* s = findStop(id);
    if (!s) return false;
    s->colour = button == Qt::LeftButton ? foreground : background;
    emit changed();
    return button != Qt::LeftButton;
}

void GradientModel::releaseEnd(End end, Qt::MouseButton button, TColor32 foreground,
                               TColor32 background) {
    if (consumeMoved()) return;
    (end == End::First ? m_first : m_last) = button == Qt::LeftButton ? foreground : background;
    emit changed();
}

void GradientModel::deletePopupStop() {
    if (!m_popupStop) return;
    const int id = *m_popupStop;
    m_popupStop.reset();
    if (m_dragStop == id) consumeMoved();
    const auto it =
        std::find_if(m_stops.begin(), m_stops.end(), [id](const Stop& s) { return s.id == id; });
    if (it == m_stops.end()) return;
    m_stops.erase(it);
    emit changed();
}

QString GradientModel::hintFor(TColor32 colour) {
    return QStringLiteral("A=%1, R=%2, G=%3, B=%4|Use mouse buttons to change color")
        .arg(AlphaOf(colour))
        .arg(RedOf(colour))
        .arg(GreenOf(colour))
        .arg(BlueOf(colour));
}

QString gradientHoverText(int barX) {
    return QStringLiteral("%1 %").arg(barX / 2);
}
