// Small float-triple helpers for the model renderer: rotations, normalisation, dot product.
#pragma once

void vec_RotateX(float (*v)[3], float angle);
void vec_RotateY(float (*v)[3], float angle);
void vec_RotateZ(float (*v)[3], float angle);
// Divides by the length; the caller keeps zero vectors away.
void vec_Normalize(float (*v)[3]);
float vec_DotProduct(float (&a)[3], float (&b)[3]);
