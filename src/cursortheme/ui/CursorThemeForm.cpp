#include "cursortheme/ui/CursorThemeForm.h"

#include "cursortheme/ui/RoleCell.h"
#include "cursortheme/ui/ThemePreview.h"
#include "session/CursorThemeEditor.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

namespace {
constexpr int Columns = 6;
}

CursorThemeForm::CursorThemeForm(CursorThemeEditor& Editor, QWidget* Parent)
    : QDialog(Parent), m_editor(Editor) {
    setWindowTitle(tr("Cursor Theme"));
    setObjectName(QStringLiteral("CursorThemeForm"));

    auto* fields = new QFormLayout;
    m_name = new QLineEdit;
    m_comment = new QLineEdit;
    m_inherits = new QLineEdit;
    m_inherits->setPlaceholderText(tr("for example Adwaita"));
    m_sizes = new QLineEdit;
    m_name->setObjectName(QStringLiteral("name"));
    m_comment->setObjectName(QStringLiteral("comment"));
    m_inherits->setObjectName(QStringLiteral("inherits"));
    m_sizes->setObjectName(QStringLiteral("sizes"));
    m_sizes->setToolTip(tr("The nominal sizes desktops ask for; sizes not drawn are scaled from "
                           "the nearest larger one."));
    fields->addRow(tr("&Name:"), m_name);
    fields->addRow(tr("&Comment:"), m_comment);
    fields->addRow(tr("&Inherits:"), m_inherits);
    fields->addRow(tr("&Sizes:"), m_sizes);
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& T) { m_editor.Name = T; });
    connect(m_comment, &QLineEdit::textEdited, this,
            [this](const QString& T) { m_editor.Comment = T; });
    connect(m_inherits, &QLineEdit::textEdited, this,
            [this](const QString& T) { m_editor.Inherits = T; });
    connect(m_sizes, &QLineEdit::editingFinished, this, &CursorThemeForm::sizesEdited);

    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    int scheme = 0, extra = 0;
    auto* more = new QLabel(tr("Beyond the Windows scheme (linked to the nearest role when "
                               "not given):"));
    for (int i = 0; i < int(m_editor.roleSlots().size()); ++i) {
        auto* cell = new RoleCell(m_editor, i);
        connect(cell, &RoleCell::changed, this, &CursorThemeForm::refresh);
        m_cells.push_back(cell);
        if (m_editor.roleSlots()[std::size_t(i)].Role->inScheme()) {
            grid->addWidget(cell, scheme / Columns, scheme % Columns);
            ++scheme;
        } else {
            const int schemeRows = (int(SchemeCursorRoles().size()) + Columns - 1) / Columns;
            if (extra == 0) grid->addWidget(more, schemeRows, 0, 1, Columns);
            grid->addWidget(cell, schemeRows + 1 + extra / Columns, extra % Columns);
            ++extra;
        }
    }
    auto* roles = new QWidget;
    roles->setLayout(grid);
    auto* rolesScroll = new QScrollArea;
    rolesScroll->setWidget(roles);
    rolesScroll->setWidgetResizable(true);

    m_preview = new ThemePreview(m_editor);
    auto* previewScroll = new QScrollArea;
    previewScroll->setWidget(m_preview);
    previewScroll->setBackgroundRole(QPalette::Base);

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(rolesScroll);
    split->addWidget(previewScroll);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* import = buttons->addButton(tr("&Import..."), QDialogButtonBox::ActionRole);
    QPushButton* exportButton = buttons->addButton(tr("&Export..."), QDialogButtonBox::ActionRole);
    connect(import, &QPushButton::clicked, this, &CursorThemeForm::importClicked);
    connect(exportButton, &QPushButton::clicked, this, &CursorThemeForm::exportClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(split, 1);
    layout->addWidget(buttons);
    refresh();
    resize(fontMetrics().averageCharWidth() * 130, fontMetrics().height() * 48);
}

void CursorThemeForm::refresh() {
    m_name->setText(m_editor.Name);
    m_comment->setText(m_editor.Comment);
    m_inherits->setText(m_editor.Inherits);
    m_sizes->setText(m_editor.sizesText());
    for (RoleCell* c : m_cells)
        c->update();
    m_preview->refresh();
}

void CursorThemeForm::sizesEdited() {
    if (m_sizes->text() == m_editor.sizesText()) return;
    if (!m_editor.setSizesText(m_sizes->text())) QApplication::beep();
    refresh();
}

void CursorThemeForm::importClicked() {
    if (m_editor.importClick()) refresh();
}

void CursorThemeForm::exportClicked() {
    sizesEdited();
    if (m_editor.exportClick()) refresh();
}
