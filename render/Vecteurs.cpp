// Small float-triple helpers.
#include "render/Vecteurs.h"

#include <cmath>

void vec_RotateX(float (*v)[3], float angle) {
    const float c = static_cast<float>(std::cos(static_cast<double>(angle)));
    const float s = static_cast<float>(std::sin(static_cast<double>(angle)));
    const float y = (*v)[1], z = (*v)[2];
    (*v)[1] = y * c - z * s;
    (*v)[2] = y * s + z * c;
}

void vec_RotateY(float (*v)[3], float angle) {
    const float c = static_cast<float>(std::cos(static_cast<double>(angle)));
    const float s = static_cast<float>(std::sin(static_cast<double>(angle)));
    const float x = (*v)[0], z = (*v)[2];
    (*v)[0] = x * c + z * s;
    (*v)[2] = z * c - x * s;
}

void vec_RotateZ(float (*v)[3], float angle) {
    const float c = static_cast<float>(std::cos(static_cast<double>(angle)));
    const float s = static_cast<float>(std::sin(static_cast<double>(angle)));
    const float x = (*v)[0], y = (*v)[1];
    (*v)[0] = x * c - y * s;
    (*v)[1] = x * s + y * c;
}

void vec_Normalize(float (*v)[3]) {
    const float l = std::sqrt((*v)[0] * (*v)[0] + (*v)[1] * (*v)[1] + (*v)[2] * (*v)[2]);
    (*v)[0] /= l;
    (*v)[1] /= l;
    (*v)[2] /= l;
}

float vec_DotProduct(float (&a)[3], float (&b)[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
