// With PICTAVUE_TEST_TRANSLATION set (the _en runs of tests/ui/CMakeLists.txt), the translation
// is installed as the application starts, before any window exists, as the program does.

#include <QCoreApplication>
#include <QTranslator>
#include <cstdlib>

static void InstallTestTranslation() {
  if (const char* file = std::getenv("PICTAVUE_TEST_TRANSLATION")) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QString::fromLocal8Bit(file))) {
      qFatal("cannot load the translation %s", file);
    }
    QCoreApplication::installTranslator(translator);
  }
}
Q_COREAPP_STARTUP_FUNCTION(InstallTestTranslation)
