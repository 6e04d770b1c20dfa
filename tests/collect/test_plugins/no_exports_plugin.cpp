// A library that loads but exports none of the plug-in interface's entry points.

extern "C" __attribute__((visibility("default"))) int SomethingElse() {
  return 42;
}
