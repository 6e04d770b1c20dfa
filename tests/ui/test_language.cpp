// The GUI tests of the windows' texts run twice, in Japanese and in English
// (tests/ui/CMakeLists.txt). With PICTAVUE_TEST_TRANSLATION naming the released translation, it
// is installed as the application starts, before any window exists, as the program does.

#include <QCoreApplication>
#include <QTranslator>
#include <cstdlib>

namespace {

void InstallTestTranslation() {
  const char* file = std::getenv("PICTAVUE_TEST_TRANSLATION");
  if (file == nullptr) {
    return;
  }
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(QString::fromLocal8Bit(file))) {
    qFatal("cannot load the translation %s", file);
  }
  QCoreApplication::installTranslator(translator);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallTestTranslation)
