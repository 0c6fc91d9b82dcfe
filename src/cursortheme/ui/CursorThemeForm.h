#pragma once

#include <QDialog>
#include <vector>

class CursorThemeEditor;
class QLineEdit;
class RoleCell;
class ThemePreview;

// The "Cursor Theme" window: the roles in a grid, each with its cursor; the
// theme's name, comment, inherited theme and sizes; a preview of every role
// at every size; Import and Export. What it does lives in the editor.
class CursorThemeForm : public QDialog {
    Q_OBJECT
public:
    CursorThemeForm(CursorThemeEditor& Editor, QWidget* Parent = nullptr);
    // Shows what the editor holds now (after an import, say).
    void refresh();

private:
    void importClicked();
    void exportClicked();
    void sizesEdited();

    CursorThemeEditor& m_editor;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_comment = nullptr;
    QLineEdit* m_inherits = nullptr;
    QLineEdit* m_sizes = nullptr;
    std::vector<RoleCell*> m_cells;
    ThemePreview* m_preview = nullptr;
};
