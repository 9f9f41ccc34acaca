#pragma once

// The clickable tiles of the fits window: one strip per row (hole letters, hole
// grades, shaft letters, shaft grades). A tile reacts to the mouse only while
// it is enabled; it never takes the keyboard focus.

#include <QLabel>
#include <QList>
#include <QObject>
#include <vector>

class QEnterEvent;

namespace torvel::fits {

class Tile : public QLabel {
    Q_OBJECT
  public:
    // Plain: flat, white. Hovered: flat, tinted. Marked: single flat border,
    // tinted (default grade). Selected: 3-D border, tinted.
    enum class Look { Plain, Hovered, Marked, Selected };

    Tile(const QString& text, QWidget* parent);
    Look look() const { return look_; }
    void setLook(Look look);

  signals:
    void pressed();
    void entered();
    void left();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    Look look_ = Look::Plain;
};

class TileStrip : public QObject {
    Q_OBJECT
  public:
    // Tiles named `name`_0, `name`_1, ... at `left`, `top` (twips) in `parent`.
    TileStrip(QWidget* parent, const QString& name, const QStringList& texts, int left, int top);

    int count() const { return static_cast<int>(tiles_.size()); }
    Tile* tile(int index) const;

    // The strip's selected tile, which keeps its look when the pointer passes.
    int selected() const { return selected_; }
    void setSelected(int index) { selected_ = index; }

    void Efface_Tuiles();               // every tile plain
    void Marque_Tuile(int index);       // border and tint, flat
    void Selectionne_Tuile(int index);  // all plain, then border, 3-D and tint on one
    void Restaure_Tuiles();             // the hovered tile back to plain unless selected

    void setEnabledFlags(const std::vector<bool>& flags);

  signals:
    void clicked(int index);

  private:
    void hover(int index);
    void unhover(int index);

    QList<Tile*> tiles_;
    int selected_ = -1;
    int hovered_ = -1;
};

}  // namespace torvel::fits
