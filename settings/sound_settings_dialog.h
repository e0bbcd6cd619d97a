// The "Sound settings" dialog: one row per sound event with its on/off box,
// name and file. The dialog works on its rows and touches GameState::sounds
// only at OK.
#pragma once

#include <QDialog>

#include "model/game_state.h"

class QPushButton;
class QTableWidget;

class SoundSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // exec() returns 1 after OK and 2 after Cancel, Escape or the close box.
    SoundSettingsDialog(QWidget* parent, GameState* state);

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void FillList();
    void Connect();

    void TakeRows();
    void SetDefaultRows();
    void PlayRow();
    void SelectFile();
    void TickAll(bool on);
    // The row most recently selected, or -1 (with the message shown) when
    // no row has been selected yet.
    int MarkedRow();

    GameState* state_;
    QTableWidget* list_;
    QPushButton* ok_;
    QPushButton* setDefault_;
    QPushButton* play_;
    QPushButton* select_;
    QPushButton* setAll_;
    QPushButton* resetAll_;
    QPushButton* cancel_;
    int selectionMark_ = -1;
};
