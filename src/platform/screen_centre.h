// Opening a dialog in the middle of the screen its owner is on, instead of over the owner.
//
//     TfrmEdit dialog(mainWindow);   // its constructor calls vz::centreOnScreen(this, owner)
//     dialog.exec();                 // opens centred on the screen
#pragma once

class QWidget;

namespace vz {

// Moves the window so that its frame's centre lies on the centre of the available area of the
// owner's screen (the primary screen without an owner). Moving it before it is shown also
// keeps Qt from placing it over its owner when it opens.
void centreOnScreen(QWidget* window, const QWidget* owner);

} // namespace vz
