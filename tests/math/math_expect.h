// Comparison helpers for the math tests.
#pragma once

#include <gtest/gtest.h>

#include "math/matrix4.h"

// Expected matrices are written row by row, as on paper.
struct RowMajor {
    double m[4][4];
};

inline void expectMatrixNear(const Matrix4& actual, const RowMajor& expected, double tolerance) {
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            EXPECT_NEAR(actual[col][row], expected.m[row][col], tolerance)
                << "row " << row << ", column " << col;
        }
    }
}

inline void expectMatrixEq(const Matrix4& a, const Matrix4& b) {
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(a.data()[i], b.data()[i]) << "element " << i;
}
