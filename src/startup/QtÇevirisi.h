#pragma once

// Loads Qt's own Turkish catalogue into the running application, so that the toolkit's texts
// (the standard message-box buttons, a text box's context menu) read in Turkish. True when the
// catalogue was found and installed.
bool QtTürkçeMetinleriniYükle();
