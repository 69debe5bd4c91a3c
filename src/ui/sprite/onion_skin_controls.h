#pragma once

class QWidget;

namespace tav {

class OnionSkin;

// The editor's onion skin controls: the toggle "onion skin" (`OnionSkin`)
// and the spin box of the scrapboard frame it shows (`OnionFrame`, 1 to 12).
QWidget *onionSkinControls(OnionSkin &skin, QWidget *parent);

} // namespace tav
