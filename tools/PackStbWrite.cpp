// The one compilation of stb_image_write, the PNG, JPEG and TGA encoder of the
// placeholder pictures. It is third-party code: its warnings are silenced
// here, and its JPEG coder's left shifts of negative numbers (well defined on
// every compiler we use) are exempt from the sanitizer build's checks (see
// CMakeLists.txt).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
#pragma GCC diagnostic pop
