// A library the helper-needing plug-in links, kept beside it in the plug-in folder.
extern "C" __attribute__((visibility("default"))) int HookHelperAnswer() { return 42; }
