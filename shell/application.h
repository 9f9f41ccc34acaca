#pragma once

class QApplication;
class QLabel;
class QRect;
class QString;
class QWidget;

namespace torvel {

// Application-wide settings: identity, Qt's own French texts (standard buttons,
// print dialog) and font substitutes for the design fonts.
void initApplication(QApplication& app);

// A label of the splash and About windows: Arial at `points` (the default size
// when 0), bold or not, at a pixel geometry.
QLabel* identityLabel(QWidget* parent, const char* name, const QString& text, double points,
                      bool bold, const QRect& geometry);

}  // namespace torvel
