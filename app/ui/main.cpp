#include "app/ui/CQuillmereApp.h"

int main(int argc, char** argv) {
    quillmere::app::CQuillmereApp app(argc, argv);
    return app.InitInstance();
}
