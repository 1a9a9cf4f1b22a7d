// Test entry point: a real QApplication on Qt's offscreen platform, the same style the
// program uses, then every GoogleTest test of the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime of GCC 12 takes some dynamic TLS blocks for those of an old glibc
// when they start at a certain offset in their page, records a bogus range, and
// LeakSanitizer then crashes scanning it at exit. Whether that happens depends only on the
// memory layout (a root shell's environment is enough), so the tracking of those blocks is
// off for every run; leak detection itself stays on.
extern "C" const char* __asan_default_options() {
    return "intercept_tls_get_addr=0";
}
#endif

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    return RUN_ALL_TESTS();
}
