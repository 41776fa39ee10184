// The four-head program.
#include "app/application.h"

int main(int argc, char* argv[]) { return pv::app::RunApplication(argc, argv, pv::Edition::FourHead); }
