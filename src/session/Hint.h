#pragma once

#include <QString>

// A hint is a short part, "|", and a long part: tooltips show the short part
// and the status bar the long one. A hint without "|" is both.
struct HintParts {
    QString Short;
    QString Long;
};

inline HintParts splitHint(const QString& Hint) {
    const int bar = Hint.indexOf(QLatin1Char('|'));
    if (bar < 0) return {Hint, Hint};
    return {Hint.left(bar), Hint.mid(bar + 1)};
}

// Works for QWidget and QAction alike without this header needing either.
template <class Target> void applyHint(Target* T, const QString& Hint) {
    const HintParts parts = splitHint(Hint);
    T->setToolTip(parts.Short);
    T->setStatusTip(parts.Long);
}
