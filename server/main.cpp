// velmarith-server: accounts, characters and relay for network play.
#include "server/server.h"

int main(int argc, char** argv) {
  return ServerMain(argc, argv);
}
