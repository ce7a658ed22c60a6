#pragma once
// Where the bench test dialog puts its parts, and where a connector drawing and its contacts land
// in a box. No windows.h here.

struct BenchBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// The start connector's drawing on the left, the end connector's on the right, the step between
// them, all above the row of buttons that starts at `buttonsTop`.
struct BenchLayout {
    BenchBox startDrawing;
    BenchBox endDrawing;
    BenchBox step;
};
BenchLayout LayoutBench(int clientWidth, int buttonsTop, int dpi);

// A connector drawing (its envelope, 3800 by 8800 drawing units around its (0, 0)) as large as it
// fits into the box, centred: the viewport extent and anchor to play it with, and where a point of
// the drawing lands.
struct DrawingFit {
    int viewportX = 0;
    int viewportY = 0;  // negative: the drawing's y grows upwards
    int anchorX = 0;
    int anchorY = 0;
    int pixelX(int x) const;
    int pixelY(int y) const;
};
DrawingFit FitConnectorDrawing(const BenchBox& box);
