// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The standard controls the main window is made of, each a Qt widget that is
// also a TControl. Published properties use the design's names (Caption,
// Left, ItemHeight, ...) so that the translator and the resizer find them by
// name through the meta-object system. Event hooks are plain std::function
// members; the window binds them through the event boundary.

#include "widgets/accessible_control.h"
#include "widgets/drag_controller.h"
#include "widgets/font.h"
#include "widgets/mouse_hooks.h"
#include "widgets/tcontrol.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFrame>
#include <QPlainTextEdit>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace brindolo {

// Whether a key press is one that activates a focused control.
bool isActivationKey(const QKeyEvent& event);

// The application object: root owner of every form; a property path without
// a point names one of its properties.
class TApplication : public QObject, public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Title READ title WRITE setTitle)
public:
    TApplication();
    // The title is the caption of every message box the program shows.
    QString title() const;
    void setTitle(const QString& title);
};

// A top-level window that owns every control designed on it.
class TForm : public TWidgetControl<QWidget> {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
public:
    explicit TForm(TComponent* owner);
    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }
    bool isContainer() const override { return true; }

    std::function<void()> OnResize;
    // A key no control inside the window took.
    std::function<void(QKeyEvent&)> OnKeyDown;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

enum class TCaptionAlignment { Center, LeftJustify };

// A raised, bordered rectangle showing a one-line caption; also a container,
// a drag source when its DragMode is automatic, and a drop target.
class TPanel : public TWidgetControl<QFrame>, public MouseHooks, public DragTarget, public AccessibleHooks {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(int Left READ left WRITE setLeft)
    Q_PROPERTY(int Top READ top WRITE setTop)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_PROPERTY(int Height READ height WRITE setHeight)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(brindolo::TFont* Font READ fontObject)
public:
    TPanel(TComponent* owner, TControl* parent);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    TCaptionAlignment captionAlignment() const { return captionAlignment_; }
    void setCaptionAlignment(TCaptionAlignment alignment);
    QColor color() const { return color_; }
    void setColor(const QColor& color);
    TDragMode dragMode() const { return dragMode_; }
    void setDragMode(TDragMode mode) { dragMode_ = mode; }
    // The font the caption is drawn in: the panel's own, made smaller for a
    // caption that would not fit between the borders otherwise.
    QFont captionFont() const;

    bool isContainer() const override { return true; }
    // The raised bevel is one pixel wide; aligned children sit inside it.
    QRect alignRect() const override { return QRect(1, 1, width() - 2, height() - 2); }

    // The keyboard focus moved onto the panel from elsewhere in its window
    // (not the window itself coming back to the front).
    std::function<void()> OnEnter;
    // A key the panel has the focus for, other than Space and Enter while
    // OnClick is set; the hook accepts the event to keep it.
    std::function<void(QKeyEvent&)> OnKeyDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // Gives field its new value and repaints; false when it had it already.
    template <typename Value>
    bool repaintWith(Value& field, const Value& value);

    QString caption_;
    TCaptionAlignment captionAlignment_ = TCaptionAlignment::Center;
    QColor color_{240, 240, 240};
    TDragMode dragMode_ = TDragMode::Manual;
    bool pressed_ = false;
};

// A filled rectangle with a one-pixel black outline.
class TShape : public TWidgetControl<QWidget>, public MouseHooks, public AccessibleHooks {
    Q_OBJECT
    Q_PROPERTY(QColor BrushColor READ brushColor WRITE setBrushColor)
public:
    TShape(TComponent* owner, TControl* parent);
    QColor brushColor() const { return brush_; }
    void setBrushColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor brush_{Qt::white};
};

class TCheckBox : public TWidgetControl<QCheckBox>, public AccessibleHooks {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)
    Q_PROPERTY(brindolo::TFont* Font READ fontObject)
public:
    TCheckBox(TComponent* owner, TControl* parent);
    // Called after the player changed the state.
    std::function<void()> OnClick;

protected:
    // Enter toggles the box as Space does.
    void keyPressEvent(QKeyEvent* event) override;
};

// Drop-down list with an editable text field.
class TCustomComboBox : public TWidgetControl<QComboBox> {
    Q_OBJECT
    Q_PROPERTY(QString Text READ currentText WRITE setEditText)
    Q_PROPERTY(int ItemHeight READ itemHeight WRITE setItemHeight)
    Q_PROPERTY(QStringList Items READ items WRITE setItems)
    Q_PROPERTY(brindolo::TFont* Font READ fontObject)
public:
    TCustomComboBox(TComponent* owner, TControl* parent);
    // The text field is made when the drop-down is first shown, so that a
    // drop-down that starts hidden lays out no text and loads no font at
    // start-up; until then its text is kept here. These hide QComboBox's own
    // functions of the same names, which know only the text field.
    QString currentText() const;
    void setEditText(const QString& text);
    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int height);
    // The drop-down list, made on first use: making it costs as much as the
    // rest of the control, and a drop-down that is never opened never needs
    // it. Hides QComboBox::view().
    QAbstractItemView* view() const;
    void showPopup() override;
    QStringList items() const;
    void setItems(const QStringList& items);
    // Clears the list; the text field keeps its text.
    void clearItems();
    void appendItem(const QString& item);
    // Text changed, by typing, or a name picked from the list: every pick
    // notifies once, also the pick of the name the text field shows already.
    std::function<void()> OnChange;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void textChanged();
    void picked(int index);

    QString text_;  // while there is no text field

    int itemHeight_ = 16;
    bool listMade_ = false;
    // Set while the event that changed the text is still being handled, so
    // that the pick that made the change does not notify a second time.
    bool changeNotified_ = false;
};

// The toolkit's own combo box; only this class has its item height scaled.
class TComboBox : public TCustomComboBox {
    Q_OBJECT
    Q_PROPERTY(bool Sorted READ sorted WRITE setSorted)
public:
    TComboBox(TComponent* owner, TControl* parent);
    bool sorted() const { return sorted_; }
    void setSorted(bool sorted) { sorted_ = sorted; }

private:
    bool sorted_ = false;
};

// A combo box of another family, derived from the common base only.
class TRzComboBox : public TCustomComboBox {
    Q_OBJECT
public:
    TRzComboBox(TComponent* owner, TControl* parent);
};

// Multi-line text list. The editor that shows the lines is made when the
// list is first shown: a list that stays hidden, as the window's catalogue
// does, then lays out no text and loads no font.
class TMemo : public TWidgetControl<QWidget> {
    Q_OBJECT
    Q_PROPERTY(QStringList Lines READ lines WRITE setLines)
    Q_PROPERTY(brindolo::TFont* Font READ fontObject)
public:
    TMemo(TComponent* owner, TControl* parent);
    // An empty list has one empty line.
    QStringList lines() const;
    void setLines(const QStringList& lines);
    void appendLine(const QString& line);
    void clear() { setLines({}); }
    // Null until the list is first shown.
    QPlainTextEdit* editor() const { return editor_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QStringList lines_;  // while there is no editor
    QPlainTextEdit* editor_ = nullptr;
};

}  // namespace brindolo
