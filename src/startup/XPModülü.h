#pragma once

// Starts the toolkit's themed controls; true when nothing failed.
bool GörselStilleriBaşlat();
