// The process's error mode for the whole run.
#pragma once

// A card or stick pulled in the middle of a listing or a batch must fail the
// one call, which the program reports, not bring up the system's "no disk"
// dialog. Keeps the flags the process was started with.
void UseQuietErrorMode();
