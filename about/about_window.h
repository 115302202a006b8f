// The window shown for "/c": the product title, the logo, the maker's notice and a button that
// opens the maker's web site. Drawn with GDI only; no GLFW, no OpenGL.
#pragma once

#include <windows.h>

class AboutWindow {
 public:
  // Registers the class, creates the window and its controls, shows it and runs the message loop;
  // returns once the window is closed (or at once when it could not be created).
  AboutWindow(HINSTANCE instance, int showCommand);

  const char* title;
  const char* className;
  const char* buttonCaption;
  const char* notice;
  const char* productTitle;
};

// The address the "Visit website" button opens.
extern const char* const aboutWebAddress;
