#include "announceintro.h"
#include "kelvaneapplication.h"

int main(int argc, char** argv) {
    KelvaneApplication app(argc, argv);
    AnnounceIntro intro;
    intro.show();
    return app.exec();
}
