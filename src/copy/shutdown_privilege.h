// The shutdown privilege that the NT family requires of a program before it
// may shut the computer down or suspend it.
#pragma once

// Enables "SeShutdownPrivilege" in the process's access token. An interactive
// user holds it, but it starts disabled. Systems without access tokens (the
// 9x family) fail here and need nothing; either way the caller goes on with
// its request.
void EnableShutdownPrivilege();
