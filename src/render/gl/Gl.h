// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// OpenGL 1.1 fixed function with the BGR(A) upload formats, and GLU.
#include <GL/gl.h>
#include <GL/glu.h>

#ifndef GL_BGR_EXT
#define GL_BGR_EXT 0x80E0
#endif
#ifndef GL_BGRA_EXT
#define GL_BGRA_EXT 0x80E1
#endif
