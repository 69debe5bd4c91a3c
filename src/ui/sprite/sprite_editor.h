#pragma once

#include "core/app/window_placement.h"
#include "core/common/game_folder.h"
#include "core/sprite/drawing_tools.h"
#include "core/sprite/onion_skin.h"
#include "core/sprite/scrapboard.h"
#include "core/sprite/screen_palette.h"
#include "core/sprite/sprite_document.h"
#include "core/sprite/sprite_operations.h"
#include "core/sprite/sprite_save_state.h"
#include "ui/common/unsaved_work.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QToolButton;

namespace tav {
namespace platform {
class WatchedProgram;
}

class ColourSwatch;
class Form8;
class Form14;
class SpriteCanvas;
class SpritePreview;
class SpriteColourMap;

// `Form12`, the sprite editor: the 40 x 40 canvas with its double-size
// preview, the drawing colours and modes, undo, the declared size and the
// file commands. The sprite itself lives in the document; the window forwards
// events to it and repaints what it announces.
class Form12 : public QWidget, public UnsavedWork {
    Q_OBJECT
public:
    explicit Form12(const GameFolder &folder, QWidget *parent = nullptr);

    SpriteDocument &document() { return m_document; }
    DrawingTools &tools() { return m_tools; }
    // The screen colour of every colour index, as the palette window shows it.
    ScreenPalette &screenPalette() { return m_palette; }
    // The palette window, loaded (and the palette file read) on first use.
    Form8 *paletteWindow();
    // The scrapboard's memory, which outlives its window.
    Scrapboard &scrapboard() { return m_scrapboard; }
    // The scrapboard window, loaded on first use and again after it was closed.
    Form14 *scrapboardWindow();
    // The editor's and its companions' outer sizes and the parts of the
    // editor they keep off, for placing them on the screen.
    SpriteWindows spriteWindows();

    void Form_Activate();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command14_Click();
    void Check1_Click();
    void UndoButton_Click();
    // The redo button beside undo: brings back what undo took.
    void RedoButton_Click();
    // The onion skin under the canvas: display only.
    OnionSkin &onionSkin() { return m_onion; }
    void XSize_Change();
    void YSize_Change();
    void XSize_GotFocus();
    void YSize_GotFocus();

    // Editing functions and sprite operations.
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    // The floating area's handle; positions in twips relative to it.
    void SelScape_MouseMove(int buttons, double xTwips, double yTwips);
    void SelScape_MouseUp();
    // A scrapboard thumbnail dropped on the preview, with its drag tag.
    void Picture2_DragDrop(const QString &sourceTag);

    // "export image..." and "import image...": the sprite at its declared
    // size as a PNG file, and an image file mapped to the palette, which is
    // also what an image file dropped on the canvas does.
    void exportImage();
    void importImage();
    void importImageFile(const QString &diskPath);

    // "Sprite editor (\UNITS\BATU1)" while the cells or size differ from the
    // sprite last loaded, started new or saved, or while a save runs.
    QString unsavedWork() const override;
    // Waits (briefly) for the saves the sprite saver is still writing.
    void finishWork() override;
    QList<Document *> documents() override { return {&m_document}; }

Q_SIGNALS:
    // The colour of index 0 changed ("pink backg"); windows that keep
    // pictures of sprites repaint them.
    void backgroundColourChanged();

protected:
    bool event(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void connectOperations();
    // Puts the palette and the scrapboard beside the editor, never over it
    // (sprite_editor_placement.cpp).
    void arrangeCompanions(bool movePalette, bool moveScrapboard);
    // Where the scrapboard, now at `folded`, goes as its viewer unfolds.
    QPoint unfoldedScrapboardPlace(QPoint folded);
    void connectDocument();
    void sizeChange(QLineEdit *box, void (SpriteDocument::*set)(int));
    void showColours();
    void showCursor();
    void showDeclaredSize();
    void showUndo();
    void showMode();
    void colourPicked(int index, int button);
    SpriteColourMap imageColours();
    // Save, load and new as the saved mark sees them (sprite_editor_saving.cpp).
    bool mayReplaceDamagedFile(const QString &name);
    void startSaver(const QString &name);
    void saverEnded(const SpriteImage &saved, const QString &name, int exitCode, const QString &errorOutput);
    void tookLoadedSprite(const QString &fallback);
    void tookNewSprite();

    GameFolder m_folder;
    ScreenPalette m_palette;
    SpriteDocument m_document{m_folder};
    DrawingTools m_tools{m_document};
    SpriteOperations m_operations{m_document, m_tools};
    Scrapboard m_scrapboard;
    QList<QPointer<platform::WatchedProgram>> m_savers;
    OnionSkin m_onion{m_scrapboard, m_palette};
    QPointer<Form8> m_form8;
    QPointer<Form14> m_form14;

    SpriteCanvas *m_canvas = nullptr;
    QWidget *m_sizeBox = nullptr;
    QWidget *m_fileBox = nullptr;
    SpritePreview *m_preview = nullptr;
    ColourSwatch *m_lColor = nullptr;
    ColourSwatch *m_rColor = nullptr;
    QLineEdit *m_sx = nullptr;
    QLineEdit *m_sy = nullptr;
    QLineEdit *m_xSize = nullptr;
    QLineEdit *m_ySize = nullptr;
    QLineEdit *m_filename = nullptr;
    std::array<QRadioButton *, 5> m_tool{};
    QToolButton *m_undoButton = nullptr;
    QToolButton *m_redoButton = nullptr;
    QCheckBox *m_check1 = nullptr;
    QAbstractButton *m_command7 = nullptr;
    QSlider *m_slider1 = nullptr;
    QCheckBox *m_trans = nullptr;
};

} // namespace tav
