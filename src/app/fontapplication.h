#pragma once

#include <QGuiApplication>

#include <memory>

namespace zimo
{

/// Text on a picture or in a document needs fonts, which need an application object. The
/// command-line modes have no display: on Linux the application draws off the screen;
/// Windows always has a desktop, and its static build carries only its own platform.
/// Null when an application exists already.
std::unique_ptr<QGuiApplication> applicationForFonts();

} // namespace zimo
