#pragma once
// Every pixel quantity of the windows' layouts is fixed at 96 dots per inch. On a denser screen
// a window scales each by its DPI / 96 through this one function, rounded to the nearest pixel
// with halves away from zero (as MulDiv rounds), so at 96 DPI nothing moves. No windows.h here:
// the host tests and the bitmap maker reach it.

constexpr int DefaultDpi = 96;

// `value` measured at `fromDpi` (96 unless told), measured at `dpi`.
constexpr int ScaleForDpi(int value, int dpi, int fromDpi = DefaultDpi) {
    if (dpi == fromDpi || fromDpi <= 0) return value;
    long long product = static_cast<long long>(value) * dpi;
    long long half = fromDpi / 2;
    long long magnitude = ((product < 0 ? -product : product) + half) / fromDpi;
    return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

// The bitmaps are drawn at 100, 150 and 200 %; a window takes the one nearest its DPI (the
// smaller when two are equally near) and shows it at its own size, never stretched.
constexpr int BitmapPercents[] = {100, 150, 200};

constexpr int BitmapPercentFor(int dpi) {
    int best = BitmapPercents[0];
    for (int percent : BitmapPercents) {
        long long distance = static_cast<long long>(dpi) * 100 - static_cast<long long>(percent) * DefaultDpi;
        long long bestDistance = static_cast<long long>(dpi) * 100 - static_cast<long long>(best) * DefaultDpi;
        if ((distance < 0 ? -distance : distance) < (bestDistance < 0 ? -bestDistance : bestDistance)) best = percent;
    }
    return best;
}

// The DPI a bitmap drawn at `percent` is made for: 96, 144 or 192.
constexpr int DpiOfPercent(int percent) { return DefaultDpi * percent / 100; }
