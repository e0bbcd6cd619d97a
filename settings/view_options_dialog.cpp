#include "settings/view_options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "app/help_viewer.h"
#include "display/board_painter.h"
#include "display/drawing_resources.h"
#include "display/skins.h"
#include "library/dialog_units.h"
#include "model/game_host.h"
#include "settings/view_defaults.h"

// The custom colours are listed row by row, eight in a row; the chooser
// numbers its two rows of wells column by column.
int CustomColourSlot(int i) {
    return (i % 8) * 2 + i / 8;
}

const std::uint32_t kCustomColours[16] = {
    0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF80, 0x00FF00, 0x80FF00, 0xFFFF00, 0xFF8000,
    0xFF0000, 0xFF0080, 0xFF00FF, 0x8000FF, 0x646464, 0x969696, 0xAFAFAF, 0xC8C8C8,
};

namespace {

constexpr int kHelpMapId = 1;
constexpr int kMinScale = 4;
const char* const kColourProperty = "colorref";

// A static that draws nothing itself: the dialog paints into it.
class PreviewBox : public QWidget {
public:
    PreviewBox(QWidget* parent, std::function<void(QPainter&)> paint)
        : QWidget(parent), paint_(std::move(paint)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paint_(p);
    }

private:
    std::function<void(QPainter&)> paint_;
};

// Places a new control at a rectangle in the dialog's units.
struct Placer {
    DialogBaseUnits units;
    template <typename T>
    T* operator()(T* widget, int x, int y, int w, int h) const {
        PlaceControl(widget, units, x, y, w, h);
        return widget;
    }
};

QPushButton* MakeColourButton(const Placer& Place, QWidget* parent, const char* name, int x,
                              int y) {
    auto* b = Place(new QPushButton(parent), x, y, 50, 14);
    b->setObjectName(name);
    return b;
}

QGroupBox* MakeGroup(const Placer& Place, QWidget* parent, const char* text, int x, int y, int w,
                     int h) {
    auto* g = Place(new QGroupBox(QString::fromLatin1(text), parent), x, y, w, h);
    g->setFocusPolicy(Qt::NoFocus);
    return g;
}

std::uint32_t ButtonColour(const QPushButton* button) {
    return button->property(kColourProperty).toUInt();
}

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

}  // namespace

ViewOptionsDialog::ViewOptionsDialog(QWidget* parent, GameState* state)
    : QDialog(parent), state_(state) {
    setWindowTitle(QStringLiteral("Options"));
    // Modal to the game window only, so that the help window its Help button
    // opens can be read and scrolled while the dialog stays open.
    setWindowModality(Qt::WindowModal);
    BuildControls(SetUpDialog(this, 338, 250));
    SetTabOrder();
    FillLists();
    ShowViewOptions(state_->view);
    UpdateOptionControls();
    Connect();
}

// The group boxes come first so that they lie beneath the controls they
// frame and never take their clicks.
void ViewOptionsDialog::BuildControls(const DialogBaseUnits& units) {
    const Placer Place{units};
    MakeGroup(Place, this, "Type of pieces", 7, 3, 262, 96);
    MakeGroup(Place, this, "Type of background ", 7, 104, 158, 96);
    MakeGroup(Place, this, "Position of store", 178, 104, 90, 44);
    MakeGroup(Place, this, "Other", 7, 205, 262, 38);
    MakeGroup(Place, this, "Size", 177, 156, 90, 44);

    piecesSolid_ = Place(new QRadioButton(QStringLiteral("Solid color"), this), 18, 16, 54, 11);
    piecesSkin_ = Place(new QRadioButton(QStringLiteral("Skin"), this), 18, 29, 46, 11);
    figureColour_ = MakeColourButton(Place, this, "figureColour", 103, 14);
    borderColour_ = MakeColourButton(Place, this, "borderColour", 211, 14);
    skinList_ = Place(new QListWidget(this), 18, 42, 73, 49);
    backSolid_ = Place(new QRadioButton(QStringLiteral("Solid color"), this), 18, 118, 54, 11);
    backPattern_ = Place(new QRadioButton(QStringLiteral("Pattern image"), this), 18, 131, 57, 11);
    backColour_ = MakeColourButton(Place, this, "backColour", 103, 115);
    patternList_ = Place(new QListWidget(this), 18, 145, 73, 49);
    storeLeft_ = Place(new QRadioButton(QStringLiteral("Left"), this), 186, 118, 43, 8);
    storeRight_ = Place(new QRadioButton(QStringLiteral("Right"), this), 186, 131, 43, 8);
    autoSize_ = Place(new QCheckBox(QStringLiteral("Auto"), this), 186, 175, 29, 8);
    // The drop-down height in the template includes the open list; the
    // closed box is one line high.
    scaleCombo_ = Place(new QComboBox(this), 221, 173, 40, 12);
    inkColour_ = MakeColourButton(Place, this, "inkColour", 103, 220);
    shadow_ = Place(new QCheckBox(QStringLiteral("Show shadow"), this), 186, 223, 67, 8);
    ok_ = Place(new QPushButton(QStringLiteral("OK"), this), 281, 7, 50, 14);
    apply_ = Place(new QPushButton(QStringLiteral("Apply"), this), 281, 22, 50, 14);
    setDefault_ = Place(new QPushButton(QStringLiteral("Set to default"), this), 281, 38, 50, 14);
    help_ = Place(new QPushButton(QStringLiteral("Help"), this), 281, 54, 50, 14);
    cancel_ = Place(new QPushButton(QStringLiteral("Cancel"), this), 281, 85, 50, 14);
    borderLabel_ = Place(new QLabel(QStringLiteral("Border:"), this), 165, 16, 38, 9);
    piecesPreview_ = Place(new PreviewBox(this, [this](QPainter& p) { PaintPiecesPreview(p); }),
                           101, 42, 53, 49);
    backgroundPreview_ = Place(
        new PreviewBox(this, [this](QPainter& p) { PaintBackgroundPreview(p); }), 101, 145, 53, 49);
    Place(new QLabel(QStringLiteral("Color of puzzle:"), this), 18, 223, 80, 9);

    // Each pair of radio buttons is its own exclusive group, as the three
    // groups of the template are.
    for (auto pair : {std::pair{piecesSolid_, piecesSkin_}, std::pair{backSolid_, backPattern_},
                      std::pair{storeLeft_, storeRight_}}) {
        auto* group = new QButtonGroup(this);
        group->addButton(pair.first);
        group->addButton(pair.second);
    }

    // Enter presses OK, or the push button that has the focus.
    ok_->setDefault(true);
    // The label of the border colour sits beside the button it names.
    borderLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    const std::pair<QWidget*, const char*> names[] = {
        {piecesSolid_, "piecesSolid"},
        {piecesSkin_, "piecesSkin"},
        {skinList_, "skinList"},
        {backSolid_, "backSolid"},
        {backPattern_, "backPattern"},
        {patternList_, "patternList"},
        {storeLeft_, "storeLeft"},
        {storeRight_, "storeRight"},
        {autoSize_, "autoSize"},
        {scaleCombo_, "scaleCombo"},
        {shadow_, "shadow"},
        {ok_, "okButton"},
        {apply_, "applyButton"},
        {setDefault_, "defaultButton"},
        {help_, "helpButton"},
        {cancel_, "cancelButton"},
        {borderLabel_, "borderLabel"},
        {piecesPreview_, "piecesPreview"},
        {backgroundPreview_, "backgroundPreview"},
    };
    for (const auto& [widget, name] : names) widget->setObjectName(QString::fromLatin1(name));
}

void ViewOptionsDialog::FillLists() {
    for (int i = 0; i < kSkinCount; ++i) skinList_->addItem(QString::fromLatin1(SkinName(i)));
    // Sorted like the template's list; the numbered names keep the sorted
    // order equal to the pattern index.
    patternList_->setSortingEnabled(true);
    for (int i = 0; i < kPatternCount; ++i)
        patternList_->addItem(QString::fromLatin1(PatternName(i)));
    for (int s = kMinScale; s <= 8; ++s) scaleCombo_->addItem(QString::number(s));
    // A list without a selection would give index -1 to the game.
    KeepSelection(skinList_);
    KeepSelection(patternList_);
}

// The template order: the pairs of radio buttons, the colour buttons, the
// lists, the combo, the check boxes, then the buttons on the right.
void ViewOptionsDialog::SetTabOrder() {
    QWidget* const order[] = {piecesSolid_, piecesSkin_,  figureColour_, borderColour_, skinList_,
                              backSolid_,   backPattern_, backColour_,   patternList_,  storeLeft_,
                              storeRight_,  autoSize_,    scaleCombo_,   inkColour_,    shadow_,
                              ok_,          apply_,       setDefault_,   help_,         cancel_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void ViewOptionsDialog::Connect() {
    QAbstractButton* const switches[] = {piecesSolid_, piecesSkin_, backSolid_, backPattern_,
                                         autoSize_};
    for (QAbstractButton* b : switches) {
        connect(b, &QAbstractButton::clicked, this, [this] {
            UpdateOptionControls();
            RedrawPreviews();
        });
    }
    for (QListWidget* list : {skinList_, patternList_})
        connect(list, &QListWidget::itemSelectionChanged, this, [this] { RedrawPreviews(); });
    for (QPushButton* b : {figureColour_, borderColour_, backColour_, inkColour_})
        connect(b, &QPushButton::clicked, this, [this, b] { ChooseColour(b); });
    connect(ok_, &QPushButton::clicked, this, [this] {
        ApplyToGame();
        done(1);
    });
    connect(apply_, &QPushButton::clicked, this, [this] { ApplyToGame(); });
    connect(setDefault_, &QPushButton::clicked, this, [this] { SetToDefault(); });
    connect(help_, &QPushButton::clicked, this, [] { OpenHelp(kHelpMapId); });
    connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
}

void ViewOptionsDialog::reject() {
    done(2);
}

void ViewOptionsDialog::ShowViewOptions(ViewOptions block) {
    (block.skinType != 0 ? piecesSkin_ : piecesSolid_)->setChecked(true);
    (block.backType != 0 ? backPattern_ : backSolid_)->setChecked(true);
    (block.storePosition != 0 ? storeRight_ : storeLeft_)->setChecked(true);
    shadow_->setChecked(block.shadow != 0);
    autoSize_->setChecked(block.autoSize != 0);
    SetColourButtons(block.colorFigure, block.colorBorder, block.colorBack, block.colorInk);
    skinList_->setCurrentRow(block.skinIndex);
    patternList_->setCurrentRow(block.backIndex);
    scaleCombo_->setCurrentIndex(block.scale - kMinScale);
}

void ViewOptionsDialog::ReadViewOptions(ViewOptions* block) const {
    block->colorFigure = static_cast<std::int32_t>(ButtonColour(figureColour_));
    block->colorBorder = static_cast<std::int32_t>(ButtonColour(borderColour_));
    block->colorBack = static_cast<std::int32_t>(ButtonColour(backColour_));
    block->colorInk = static_cast<std::int32_t>(ButtonColour(inkColour_));
    block->skinType = piecesSkin_->isChecked() ? 1 : 0;
    block->skinIndex = SelectedRow(skinList_);
    block->backType = backPattern_->isChecked() ? 1 : 0;
    block->backIndex = SelectedRow(patternList_);
    block->storePosition = storeRight_->isChecked() ? 1 : 0;
    block->shadow = shadow_->isChecked() ? 1 : 0;
    block->scale = scaleCombo_->currentIndex() + kMinScale;
    block->autoSize = autoSize_->isChecked() ? 1 : 0;
}

void ViewOptionsDialog::UpdateOptionControls() {
    const bool solidPieces = piecesSolid_->isChecked();
    figureColour_->setEnabled(solidPieces);
    borderColour_->setEnabled(solidPieces);
    borderLabel_->setEnabled(solidPieces);
    skinList_->setEnabled(!solidPieces);
    const bool solidBack = backSolid_->isChecked();
    backColour_->setEnabled(solidBack);
    patternList_->setEnabled(!solidBack);
    scaleCombo_->setEnabled(!autoSize_->isChecked());
}

void ViewOptionsDialog::SetColourButtons(std::uint32_t figure, std::uint32_t border,
                                         std::uint32_t back, std::uint32_t ink) {
    const std::pair<QPushButton*, std::uint32_t> buttons[] = {
        {figureColour_, figure}, {borderColour_, border}, {backColour_, back}, {inkColour_, ink}};
    for (const auto& [button, colour] : buttons) {
        button->setProperty(kColourProperty, colour);
        PaintColourButton(button);
    }
}

// The swatch fills the button's face inside its frame; a disabled button
// shows it greyed like any disabled image.
void ViewOptionsDialog::PaintColourButton(QPushButton* button) {
    const QSize face = button->size() - QSize(8, 8);
    QPixmap swatch(face);
    swatch.fill(ColorFromRef(ButtonColour(button)));
    button->setIconSize(face);
    button->setIcon(QIcon(swatch));
}

// The custom colours are set afresh each time, so changes the player makes
// to them in the chooser are not kept.
void ViewOptionsDialog::ChooseColour(QPushButton* button) {
    for (int i = 0; i < 16; ++i)
        QColorDialog::setCustomColor(CustomColourSlot(i), ColorFromRef(kCustomColours[i]));
    QColorDialog chooser(this);
    chooser.setWindowModality(Qt::WindowModal);  // the help window stays usable
    chooser.setOption(QColorDialog::DontUseNativeDialog);
    if (chooser.exec() != QDialog::Accepted) return;
    button->setProperty(kColourProperty, RefFromColor(chooser.selectedColor()));
    PaintColourButton(button);
    RedrawPreviews();
}

void ViewOptionsDialog::ApplyToGame() {
    ReadViewOptions(&state_->view);
    PrepareSkinAndBackground(state_);
    state_->mainWindow->LayoutBoard();
    state_->mainWindow->Invalidate(false);
}

// Only the controls change; GameState keeps its settings until OK or Apply.
void ViewOptionsDialog::SetToDefault() {
    ViewOptions defaults;
    DefaultViewOptions(&defaults);
    ShowViewOptions(defaults);
    UpdateOptionControls();
    RedrawPreviews();
}

void ViewOptionsDialog::RedrawPreviews() {
    piecesPreview_->update();
    backgroundPreview_->update();
}

// The previews show the controls' state, not GameState.
void ViewOptionsDialog::PaintPiecesPreview(QPainter& p) {
    ViewOptions look;
    ReadViewOptions(&look);
    if (look.skinType != 0) {
        const int id = SkinBitmapId(SelectedRow(skinList_));
        if (id != previewSkinId_) {
            previewTexture_ = ScaleSkinCanvas(LoadBitmapResource(id), kMenuScale);
            previewSkinId_ = id;
        }
    }
    DrawPieceSet(state_->storeHome, look, *state_, kMenuScale, p, previewTexture_, 0);
}

void ViewOptionsDialog::PaintBackgroundPreview(QPainter& p) {
    ViewOptions look;
    ReadViewOptions(&look);
    p.fillRect(backgroundPreview_->rect(), MakeBackgroundBrush(look));
}
