#pragma once

#ifdef PINLEAF_HAVE_XCB
#include <xcb/xcb.h>

// The X server connection Qt's xcb platform holds, for the few requests the program sends itself.
namespace XcbConnection {

// Null unless the program runs on the xcb platform.
xcb_connection_t* get();
// The atom of `name`, made when the server has none yet; XCB_ATOM_NONE without a connection.
xcb_atom_t atom(const char* name);

} // namespace XcbConnection
#endif
