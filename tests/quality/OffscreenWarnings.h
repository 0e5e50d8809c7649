#pragma once
// The offscreen platform warns on every raise and size-hint change of a window; thousands
// of cycles would drown the test log. Those warnings are dropped, all others kept.

void SilenceOffscreenWarnings();
