#pragma once

#include <QImage>
#include <QRect>

// Four 32 x 30 images on the classic light grey ground, 128 x 30 in all.
inline constexpr int kImageWidth = 32;
inline constexpr int kImageHeight = 30;

// Each image a black square at kSquare (image coordinates): easy to find in a render.
inline const QRect kSquare(12, 11, 8, 8);
QImage SquaresBitmap();

// Simple pictures for the commands Select, Back, Forward and About.
QImage IconBitmap();
