//========================================================================
// Adoption of existing Win32 windows, built together with GLFW 3.3's
// Win32 sources and internal headers.
//========================================================================

#include "internal.h"

#include <stdlib.h>

// Returns the window procedure of GLFW's own window class
//
static WNDPROC getGLFWWindowProc(void)
{
    WNDCLASSEXW wc;
    ZeroMemory(&wc, sizeof(wc));
    wc.cbSize = sizeof(wc);

    if (!GetClassInfoExW(_glfw.win32.instance, _GLFW_WNDCLASSNAME, &wc))
        return NULL;

    return wc.lpfnWndProc;
}

// Creates the context of an adopted window with the configured creation API
//
static GLFWbool createContext(_GLFWwindow* window,
                              const _GLFWctxconfig* ctxconfig,
                              const _GLFWfbconfig* fbconfig)
{
    if (ctxconfig->source == GLFW_NATIVE_CONTEXT_API)
    {
        if (!_glfwInitWGL())
            return GLFW_FALSE;
        return _glfwCreateContextWGL(window, ctxconfig, fbconfig);
    }
    else if (ctxconfig->source == GLFW_EGL_CONTEXT_API)
    {
        if (!_glfwInitEGL())
            return GLFW_FALSE;
        return _glfwCreateContextEGL(window, ctxconfig, fbconfig);
    }
    else if (ctxconfig->source == GLFW_OSMESA_CONTEXT_API)
    {
        if (!_glfwInitOSMesa())
            return GLFW_FALSE;
        return _glfwCreateContextOSMesa(window, ctxconfig, fbconfig);
    }

    return GLFW_FALSE;
}


//////////////////////////////////////////////////////////////////////////
//////                        GLFW public API                       //////
//////////////////////////////////////////////////////////////////////////

GLFWAPI GLFWwindow* glfwAdoptWindow(HWND handle, GLFWwindow* share)
{
    _GLFWfbconfig fbconfig;
    _GLFWctxconfig ctxconfig;
    _GLFWwndconfig wndconfig;
    _GLFWwindow* window;
    _GLFWwindow* shared = (_GLFWwindow*) share;
    LONG style, exStyle;

    _GLFW_REQUIRE_INIT_OR_RETURN(NULL);

    // A null handle would give the screen's device context, not a window's
    if (!handle)
    {
        _glfwInputError(GLFW_INVALID_VALUE, "Win32: Invalid window handle");
        return NULL;
    }

    fbconfig  = _glfw.hints.framebuffer;
    ctxconfig = _glfw.hints.context;
    wndconfig = _glfw.hints.window;

    ctxconfig.share = shared;

    if (shared &&
        (ctxconfig.client == GLFW_NO_API ||
         shared->context.client == GLFW_NO_API))
    {
        _glfwInputError(GLFW_NO_WINDOW_CONTEXT, NULL);
        return NULL;
    }

    if (!_glfwIsValidContextConfig(&ctxconfig))
        return NULL;

    window = calloc(1, sizeof(_GLFWwindow));
    window->next = _glfw.windowListHead;
    _glfw.windowListHead = window;

    window->autoIconify = wndconfig.autoIconify;
    window->cursorMode  = GLFW_CURSOR_NORMAL;

    window->minwidth    = GLFW_DONT_CARE;
    window->minheight   = GLFW_DONT_CARE;
    window->maxwidth    = GLFW_DONT_CARE;
    window->maxheight   = GLFW_DONT_CARE;
    window->numer       = GLFW_DONT_CARE;
    window->denom       = GLFW_DONT_CARE;

    window->win32.handle = handle;

    // GLFW's window procedure finds the window object through this property,
    // so it must be in place before the procedure is replaced
    SetPropW(handle, L"GLFW", window);

    window->win32.adopted = GLFW_TRUE;
    // Pointer-sized window longs, so the procedure survives on 64-bit Windows
    window->win32.oldWindowProc =
        (WNDPROC) GetWindowLongPtrW(handle, GWLP_WNDPROC);
    SetWindowLongPtrW(handle, GWLP_WNDPROC, (LONG_PTR) getGLFWWindowProc());

    style = GetWindowLongW(handle, GWL_STYLE);
    exStyle = GetWindowLongW(handle, GWL_EXSTYLE);
    window->resizable = (style & WS_THICKFRAME) ? GLFW_TRUE : GLFW_FALSE;
    window->decorated = (style & (WS_BORDER | WS_THICKFRAME)) ? GLFW_TRUE : GLFW_FALSE;
    window->floating  = (exStyle & WS_EX_TOPMOST) ? GLFW_TRUE : GLFW_FALSE;

    window->win32.maximized = IsZoomed(handle) ? GLFW_TRUE : GLFW_FALSE;
    window->win32.iconified = IsIconic(handle) ? GLFW_TRUE : GLFW_FALSE;

    if (ctxconfig.client != GLFW_NO_API)
    {
        if (!createContext(window, &ctxconfig, &fbconfig))
        {
            glfwDestroyWindow((GLFWwindow*) window);
            return NULL;
        }

        if (!_glfwRefreshContextAttribs(window, &ctxconfig))
        {
            glfwDestroyWindow((GLFWwindow*) window);
            return NULL;
        }
    }

    return (GLFWwindow*) window;
}
