#ifndef TESSORIN_APP_SELECTED_OBJECT_H
#define TESSORIN_APP_SELECTED_OBJECT_H

#include <windows.h>

// Selects a GDI object into a device context for the guard's lifetime, then selects back the
// object it replaced.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

#endif
