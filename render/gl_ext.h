// The OpenGL extension loader: the GL_ARB_multitexture entry points the model renderer needs.
#pragma once

#include <SDL/SDL_opengl.h>

// The pointers live in their own namespace: GL headers already declare
// functions of these names for OpenGL 1.3.
namespace gl_ext {

extern const char* glext;
extern PFNGLACTIVETEXTUREARBPROC glActiveTexture;
extern PFNGLMULTITEXCOORD2FARBPROC glMultiTexCoord2f;
extern PFNGLMULTITEXCOORD2FVARBPROC glMultiTexCoord2fv;
extern PFNGLMULTITEXCOORD3FARBPROC glMultiTexCoord3f;
extern PFNGLMULTITEXCOORD3FVARBPROC glMultiTexCoord3fv;

}  // namespace gl_ext

// True when nom occurs anywhere in the extension string read by InitExtensions.
bool ExtensionSupported(const char* nom);

// Reads the extension string and fetches the multitexture entry points; prints
// a message and returns false when GL_ARB_multitexture is missing.
bool InitExtensions();
