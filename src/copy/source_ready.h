// Whether the source can be read: the shell opens it as a folder and lists it.
#pragma once

// 1 when the shell binds the path as a folder and enumerates it, 0 otherwise
// (no medium, an unreadable drive, a path the shell does not accept).
// Works without COM initialised.
int SourceIsReady(const char* path);
