// Feeds arbitrary bytes to every parser of the program's files. The checks are
// the sanitizers' (no read past a buffer, no undefined conversion) plus the
// properties below, which must hold for any input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "storage/config_text_file.h"
#include "storage/corrector_catalogue.h"
#include "storage/cp1252.h"
#include "storage/last_config_record.h"
#include "storage/sensor_catalogue.h"
#include "storage/text_lines.h"

namespace {

using namespace ombrelune;

void Check(bool ok) {
  if (!ok) std::abort();
}

std::vector<std::string> Pieces(std::string_view bytes) {
  std::vector<std::string> pieces;
  std::FILE* file = std::tmpfile();
  if (file == nullptr) return pieces;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  std::string piece;
  while (ReadTextPiece(file, piece)) {
    Check(piece.size() <= TextPieceChars);
    pieces.push_back(piece);
  }
  std::fclose(file);
  return pieces;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // Any bytes read from a file are written back unchanged.
  const std::string utf8 = Cp1252ToUtf8(bytes);
  Check(Utf8ToCp1252(utf8) == bytes);
  // Any text the window holds encodes to at most one byte per input byte.
  Check(Utf8ToCp1252(bytes).size() <= size);
  Check(EncodeName(bytes).size() <= StoredNameChars);

  const std::vector<std::string> pieces = Pieces(bytes);
  for (const std::string& piece : pieces) ParseCorrectorLine(Cp1252ToUtf8(piece));
  TelescopeConfig config = StartupDefaults();
  std::string corrector, sensor;
  ApplyConfigLines(pieces, config, corrector, sensor);

  ParseSensorRecord(bytes.substr(0, SensorRecordBytes));

  LastConfigRecord record;
  for (std::size_t i = 0; i < size && i < LastConfigRecordBytes; ++i) record.bytes[i] = data[i];
  const StoredConfig stored = DecodeLastConfig(record);
  LastConfigRecord again = record;
  EncodeLastConfig(again, stored.config, stored.correctorName, stored.sensorName);
  Check(DecodeLastConfig(again).correctorName.size() <= 3 * StoredNameChars);
  return 0;
}

#ifdef OMBRELUNE_FUZZ_STANDALONE
// Without libFuzzer: runs the target once on each file named on the command line,
// so a corpus or a crash file can be replayed with any compiler.
int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::FILE* file = std::fopen(argv[i], "rb");
    if (file == nullptr) continue;
    std::vector<std::uint8_t> data;
    for (int c; (c = std::fgetc(file)) != EOF;) data.push_back(static_cast<std::uint8_t>(c));
    std::fclose(file);
    LLVMFuzzerTestOneInput(data.data(), data.size());
  }
  return 0;
}
#endif
