#include "connection/link_objects.h"

namespace tavro {

ModbusMaster& transmitterLink() {
  static ModbusMaster link;
  return link;
}

SerialPort& hartModemPort() {
  static SerialPort port;
  return port;
}

}  // namespace tavro
