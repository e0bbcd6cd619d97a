// The "Options" dialog of the Customize menu: how pieces and background are
// drawn, the puzzle colour, the store side, the scale and the shadow. The
// dialog's state lives in its controls; GameState changes only at OK and
// Apply.
#pragma once

#include <QDialog>
#include <QImage>

#include "model/game_state.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPainter;
class QPushButton;
class QRadioButton;
class QWidget;
struct DialogBaseUnits;

// The sixteen custom colours offered by the colour chooser, as COLORREF
// values (0x00BBGGRR).
extern const std::uint32_t kCustomColours[16];
// The chooser's well for custom colour i: the colours fill the top row
// first, then the bottom one.
int CustomColourSlot(int i);

class ViewOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // exec() returns 1 after OK and 2 after Cancel, Escape or the close box.
    ViewOptionsDialog(QWidget* parent, GameState* state);

    void reject() override;

    // Sets all controls from a block.
    void ShowViewOptions(ViewOptions block);
    // Reads all controls into a block; every field is written.
    void ReadViewOptions(ViewOptions* block) const;

private:
    void BuildControls(const DialogBaseUnits& units);
    void FillLists();
    void SetTabOrder();
    void Connect();

    void UpdateOptionControls();
    void SetColourButtons(std::uint32_t figure, std::uint32_t border, std::uint32_t back,
                          std::uint32_t ink);
    void PaintColourButton(QPushButton* button);
    void ChooseColour(QPushButton* button);
    void ApplyToGame();
    void SetToDefault();
    void RedrawPreviews();

    void PaintPiecesPreview(QPainter& p);
    void PaintBackgroundPreview(QPainter& p);

    GameState* state_;

    QRadioButton* piecesSolid_;
    QRadioButton* piecesSkin_;
    QPushButton* figureColour_;
    QPushButton* borderColour_;
    QListWidget* skinList_;
    QRadioButton* backSolid_;
    QRadioButton* backPattern_;
    QPushButton* backColour_;
    QListWidget* patternList_;
    QRadioButton* storeLeft_;
    QRadioButton* storeRight_;
    QCheckBox* autoSize_;
    QComboBox* scaleCombo_;
    QPushButton* inkColour_;
    QCheckBox* shadow_;
    QPushButton* ok_;
    QPushButton* apply_;
    QPushButton* setDefault_;
    QPushButton* help_;
    QPushButton* cancel_;
    QLabel* borderLabel_;
    QWidget* piecesPreview_;
    QWidget* backgroundPreview_;

    // The preview's own skin canvas at scale 2, and the bitmap id it was
    // made from (rebuilt only when another skin is selected).
    QImage previewTexture_;
    int previewSkinId_ = -1;
};
