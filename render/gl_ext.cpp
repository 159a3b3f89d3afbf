// The OpenGL extension loader.
#include "render/gl_ext.h"

#include <SDL/SDL.h>

#include <cstdio>
#include <cstring>

namespace gl_ext {

const char* glext = nullptr;
PFNGLACTIVETEXTUREARBPROC glActiveTexture = nullptr;
PFNGLMULTITEXCOORD2FARBPROC glMultiTexCoord2f = nullptr;
PFNGLMULTITEXCOORD2FVARBPROC glMultiTexCoord2fv = nullptr;
PFNGLMULTITEXCOORD3FARBPROC glMultiTexCoord3f = nullptr;
PFNGLMULTITEXCOORD3FVARBPROC glMultiTexCoord3fv = nullptr;

}  // namespace gl_ext

bool ExtensionSupported(const char* nom) {
    return gl_ext::glext && nom && std::strstr(gl_ext::glext, nom) != nullptr;
}

template <typename F>
static void charger(F& pointeur, const char* nom) {
    pointeur = reinterpret_cast<F>(SDL_GL_GetProcAddress(nom));
}

bool InitExtensions() {
    gl_ext::glext = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!ExtensionSupported("GL_ARB_multitexture")) {
        std::printf("Multitexturing not supported! (GL_ARB_multitexture not found)\n");
        std::fflush(stdout);
        return false;
    }
    charger(gl_ext::glActiveTexture, "glActiveTextureARB");
    charger(gl_ext::glMultiTexCoord2f, "glMultiTexCoord2fARB");
    charger(gl_ext::glMultiTexCoord2fv, "glMultiTexCoord2fvARB");
    charger(gl_ext::glMultiTexCoord3f, "glMultiTexCoord3fARB");
    charger(gl_ext::glMultiTexCoord3fv, "glMultiTexCoord3fvARB");
    return true;
}
