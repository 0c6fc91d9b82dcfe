#include "widgets/FormControls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

QLabel* placeLabel(QWidget* Parent, const QString& Name, const QString& Text, int X, int Y) {
    auto* l = new QLabel(Text, Parent);
    l->setObjectName(Name);
    l->move(X, Y);
    l->adjustSize();
    return l;
}

QSpinBox* numberEdit(QWidget* Parent, const char* Name, QRect Place, int Min, int Max, int Value) {
    auto* e = new QSpinBox(Parent);
    e->setObjectName(QLatin1String(Name));
    e->setRange(Min, Max);
    e->setValue(Value);
    e->setGeometry(Place);
    return e;
}

RadioGroup makeRadioGroup(QWidget* Parent, const char* Name, const QString& Title, QRect Place,
                          const QStringList& Items, int Checked) {
    RadioGroup g;
    g.Box = new QGroupBox(Title, Parent);
    g.Box->setObjectName(QLatin1String(Name));
    g.Box->setGeometry(Place);
    auto* layout = new QVBoxLayout(g.Box);
    layout->setContentsMargins(8, 2, 8, 4);
    layout->setSpacing(0);
    g.Buttons = new QButtonGroup(Parent);
    for (int i = 0; i < Items.size(); ++i) {
        auto* r = new QRadioButton(Items[i], g.Box);
        r->setObjectName(QLatin1String(Name) + QString::number(i));
        g.Buttons->addButton(r, i);
        layout->addWidget(r);
    }
    if (QAbstractButton* b = g.Buttons->button(Checked)) b->setChecked(true);
    QButtonGroup* buttons = g.Buttons;
    const auto tabToChecked = [buttons] {
        for (QAbstractButton* b : buttons->buttons())
            b->setFocusPolicy(b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    QObject::connect(buttons, &QButtonGroup::buttonToggled, buttons, tabToChecked);
    tabToChecked();
    return g;
}

SizeControls placeSizeControls(QWidget* Parent, const QStringList& Items, int Index, int Min,
                               int Max) {
    SizeControls c;
    placeLabel(Parent, QStringLiteral("Label1"), QObject::tr("Size:"), 8, 8);
    c.Size = new QComboBox(Parent);
    c.Size->setObjectName(QStringLiteral("SizeC"));
    c.Size->addItems(Items);
    c.Size->setCurrentIndex(Index);
    c.Size->setGeometry(8, 24, 145, 22);
    placeLabel(Parent, QStringLiteral("WidthLabel"), QObject::tr("Width:"), 160, 8);
    c.Width = numberEdit(Parent, "WidthE", QRect(160, 24, 56, 22), Min, Max, 32);
    c.Width->setEnabled(false);
    placeLabel(Parent, QStringLiteral("HeightLabel"), QObject::tr("Height:"), 232, 8);
    c.Height = numberEdit(Parent, "HeightE", QRect(232, 24, 56, 22), Min, Max, 32);
    c.Height->setEnabled(false);
    return c;
}
