#pragma once

// Starts the toolkit's themed controls.
void GörselStilleriBaşlat();
