#pragma once

class QApplication;

namespace torvel {

// Application-wide settings: identity, Qt's own French texts (standard buttons,
// print dialog) and font substitutes for the design fonts.
void initApplication(QApplication& app);

}  // namespace torvel
