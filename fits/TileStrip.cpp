#include "TileStrip.h"

#include <QEnterEvent>
#include <QMouseEvent>

#include "twips.h"

namespace torvel::fits {

namespace {

constexpr int kTileSize = 350;  // twips
constexpr int kTileStep = 360;

const QColor kWhite(255, 255, 255);
const QColor kTint(181, 189, 214);

}  // namespace

Tile::Tile(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    QFont tileFont(QStringLiteral("Comic Sans MS"));
    tileFont.setPointSizeF(9.75);
    tileFont.setBold(true);
    setFont(tileFont);
    setLook(Look::Plain);
}

void Tile::setLook(Look look) {
    look_ = look;
    QPalette p = palette();
    p.setColor(QPalette::Window, look == Look::Plain ? kWhite : kTint);
    setPalette(p);
    switch (look) {
        case Look::Plain:
        case Look::Hovered:
            setFrameStyle(QFrame::NoFrame);
            break;
        case Look::Marked:
            setFrameStyle(QFrame::Box | QFrame::Plain);
            break;
        case Look::Selected:
            setFrameStyle(QFrame::Panel | QFrame::Sunken);
            break;
    }
    setLineWidth(1);
}

void Tile::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled()) {
        event->accept();
        emit pressed();
        return;
    }
    QLabel::mousePressEvent(event);
}

void Tile::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    if (isEnabled()) emit entered();
}

void Tile::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit left();
}

TileStrip::TileStrip(QWidget* parent, const QString& name, const QStringList& texts, int left,
                     int top)
    : QObject(parent) {
    setObjectName(name);
    for (int i = 0; i < texts.size(); ++i) {
        auto* t = new Tile(texts[i], parent);
        t->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
        t->setGeometry(pxRect(left + i * kTileStep, top, kTileSize, kTileSize));
        connect(t, &Tile::pressed, this, [this, i] { emit clicked(i); });
        connect(t, &Tile::entered, this, [this, i] { hover(i); });
        connect(t, &Tile::left, this, [this, i] { unhover(i); });
        tiles_.append(t);
    }
}

Tile* TileStrip::tile(int index) const {
    return index >= 0 && index < tiles_.size() ? tiles_[index] : nullptr;
}

void TileStrip::Efface_Tuiles() {
    for (Tile* t : tiles_) t->setLook(Tile::Look::Plain);
}

void TileStrip::Marque_Tuile(int index) {
    if (Tile* t = tile(index)) t->setLook(Tile::Look::Marked);
}

void TileStrip::Selectionne_Tuile(int index) {
    Efface_Tuiles();
    if (Tile* t = tile(index)) t->setLook(Tile::Look::Selected);
}

void TileStrip::Restaure_Tuiles() {
    if (hovered_ != selected_)
        if (Tile* t = tile(hovered_); t && t->look() == Tile::Look::Hovered)
            t->setLook(Tile::Look::Plain);
}

void TileStrip::setEnabledFlags(const std::vector<bool>& flags) {
    for (int i = 0; i < tiles_.size(); ++i)
        tiles_[i]->setEnabled(static_cast<size_t>(i) < flags.size() &&
                              flags[static_cast<size_t>(i)]);
}

void TileStrip::hover(int index) {
    Restaure_Tuiles();
    hovered_ = index;
    if (Tile* t = tile(index); t && index != selected_ && t->look() == Tile::Look::Plain)
        t->setLook(Tile::Look::Hovered);
}

void TileStrip::unhover(int index) {
    if (index == hovered_) Restaure_Tuiles();
}

}  // namespace torvel::fits
