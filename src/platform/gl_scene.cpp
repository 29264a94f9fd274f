#include "platform/gl_scene.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "assets/image_sets.h"

void resize_gl_scene()
{
    glViewport(0, 0, 320, 240);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // Aspect and near plane are single-precision values widened to double.
    gluPerspective(45.0, double(4.0f / 3.0f), double(0.1f), 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void init_gl()
{
    create_cube_textures();
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    // The 3D view's read-back treats this clear colour as empty.
    glClearColor(1.0f, 0.0f, 0.9f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glColor4f(1.0f, 1.0f, 1.0f, 0.5f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}
