#include "framework/Dpi.h"

#include "framework/UserFunction.h"

#include <cstddef>

namespace {

UINT ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : BaseDpi;
}

}  // namespace

UINT DpiOf(HWND window)
{
    using WindowDpi = UINT(WINAPI*)(HWND);
    static const auto windowDpi = UserFunction<WindowDpi>("GetDpiForWindow");
    if (window != nullptr && windowDpi != nullptr)
        if (const UINT dpi = windowDpi(window)) return dpi;
    return ScreenDpi();
}

int ScaleToDpi(int value, UINT dpi) { return MulDiv(value, static_cast<int>(dpi), static_cast<int>(BaseDpi)); }

int SystemMetricForDpi(int index, UINT dpi)
{
    using MetricForDpi = int(WINAPI*)(int, UINT);
    static const auto metricForDpi = UserFunction<MetricForDpi>("GetSystemMetricsForDpi");
    if (metricForDpi != nullptr) return metricForDpi(index, dpi);
    // One DPI for the whole system: its metrics are already at it.
    return GetSystemMetrics(index);
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi)
{
    using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = UserFunction<AdjustForDpi>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr && adjustForDpi(&rect, style, FALSE, exStyle, dpi)) return;
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

NONCLIENTMETRICSW NonClientMetricsForDpi(UINT dpi)
{
    using ParametersForDpi = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
    static const auto parametersForDpi = UserFunction<ParametersForDpi>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (parametersForDpi != nullptr && parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
        return metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        // Systems before Vista know the structure without its last field.
        metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    }
    return metrics;
}
