// The edit used for group and file names. A name becomes part of a path, so
// the edit refuses the nine characters that file names cannot hold, and it
// refuses every paste (pasted text could bring them in); each refusal beeps.
// Names are limited to 100 characters, and to 100 bytes in the 8-bit form
// they are stored in, so that "Puzzles\" + group + "\" + name + ".pzk"
// always fits a name buffer.
#pragma once

#include <QLineEdit>
#include <QString>

constexpr int kMaxNameLength = 100;

// The characters < > " \ / * ? : |
bool IsForbiddenNameChar(QChar c);
bool HasForbiddenNameChar(const QString& text);

class FileNameEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FileNameEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
