#include "report/preview/WindowManager.h"

#include <QGuiApplication>

#ifdef CORVANE_WITH_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

// The window named by a window-typed property, if the window has it.
std::optional<xcb_window_t> WindowProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_WINDOW, 0, 1), nullptr);
  std::optional<xcb_window_t> value;
  if (reply != nullptr && reply->format == 32 && xcb_get_property_value_length(reply) >= 4) {
    xcb_window_t named = 0;
    std::memcpy(&named, xcb_get_property_value(reply), sizeof named);
    value = named;
  }
  std::free(reply);
  return value;
}

// The test that window managers following the freedesktop.org conventions answer: the
// root window names a check window, and that window names itself. A property left behind
// by a window manager that has gone names a window that no longer exists.
bool X11WindowManagerRuns(xcb_connection_t* connection) {
  static constexpr char kCheck[] = "_NET_SUPPORTING_WM_CHECK";
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 1, sizeof kCheck - 1, kCheck), nullptr);
  if (atom == nullptr) return false;
  const xcb_atom_t check = atom->atom;
  std::free(atom);
  if (check == XCB_ATOM_NONE) return false;  // never interned: no window manager has set it
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const std::optional<xcb_window_t> checkWindow = WindowProperty(connection, root, check);
  return checkWindow && WindowProperty(connection, *checkWindow, check) == checkWindow;
}

}  // namespace
#endif

bool WindowManagerMaximises() {
#ifdef CORVANE_WITH_XCB
  if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
      return X11WindowManagerRuns(x11->connection());
  }
#endif
  return true;
}
