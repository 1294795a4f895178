#include "JpegDecoding.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

// libjpeg reports a fatal error by calling error_exit, which must not
// return. Ours jumps back to the setjmp of the Run function that called
// libjpeg. The Run functions and everything they call hold only plain
// data, so the jump skips no destructor, and no C++ exception ever has to
// unwind through libjpeg's C frames (which need not have unwind tables).
namespace {
// Each scan of a progressive file walks the whole image, so a small file
// of many scans would take minutes; real encoders write about ten.
constexpr int kMaxScans = 100;
// Bound of libjpeg's whole-image buffers (multi-scan files); the largest
// accepted image needs 384 MiB of coefficients for three components.
constexpr long kMaxJpegMemory = 512L << 20;

struct JpegError {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

struct Job {
  const uint8_t* data;
  unsigned long size;
  TJpegHeader header;
  TJpegHeader expected;
  uint32_t* const* rows;
  JpegError err;
  jpeg_decompress_struct cinfo;
  jpeg_progress_mgr progress;
};

[[noreturn]] void Fail(j_common_ptr cinfo, const char* message) {
  auto* err = reinterpret_cast<JpegError*>(cinfo->err);
  std::snprintf(err->message, sizeof err->message, "%s", message);
  std::longjmp(err->jump, 1);
}

void ErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<JpegError*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings (a premature end of the file, whose rest then decodes grey) are
// not printed.
void Quiet(j_common_ptr) {}

void LimitScans(j_common_ptr cinfo) {
  if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans)
    Fail(cinfo, "Too many scans");
}

void Prepare(Job* job) {
  job->cinfo.err = jpeg_std_error(&job->err.pub);
  job->err.pub.error_exit = ErrorExit;
  job->err.pub.output_message = Quiet;
}

void Open(Job* job) {
  j_decompress_ptr cinfo = &job->cinfo;
  jpeg_create_decompress(cinfo);
  jpeg_mem_src(cinfo, job->data, job->size);
  jpeg_read_header(cinfo, TRUE);
  if (cinfo->image_width > kMaxJpegSide || cinfo->image_height > kMaxJpegSide ||
      int64_t{cinfo->image_width} * cinfo->image_height > kMaxJpegPixels)
    Fail(reinterpret_cast<j_common_ptr>(cinfo), "Image too large");
  job->header.Width = static_cast<int>(cinfo->image_width);
  job->header.Height = static_cast<int>(cinfo->image_height);
  job->header.Grey = cinfo->jpeg_color_space == JCS_GRAYSCALE;
  job->header.Progressive = cinfo->progressive_mode;
}

uint32_t Pixel(int r, int g, int b) {
  return 0xFF000000u | uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
}

void ConvertRow(const JSAMPLE* in, uint32_t* out, int width, J_COLOR_SPACE space, bool inverted) {
  for (int x = 0; x < width; ++x) {
    switch (space) {
      case JCS_GRAYSCALE:
        out[x] = Pixel(in[x], in[x], in[x]);
        break;
      case JCS_CMYK: {
        // Adobe's files store the four inks inverted.
        const JSAMPLE* p = in + 4 * x;
        int c = inverted ? p[0] : 255 - p[0], m = inverted ? p[1] : 255 - p[1];
        int y = inverted ? p[2] : 255 - p[2], k = inverted ? p[3] : 255 - p[3];
        out[x] = Pixel(c * k / 255, m * k / 255, y * k / 255);
        break;
      }
      default:
        out[x] = Pixel(in[3 * x], in[3 * x + 1], in[3 * x + 2]);
        break;
    }
  }
}

void Decompress(Job* job) {
  j_decompress_ptr cinfo = &job->cinfo;
  j_common_ptr common = reinterpret_cast<j_common_ptr>(cinfo);
  if (job->header.Width != job->expected.Width || job->header.Height != job->expected.Height)
    Fail(common, "Image changed since its header was read");
  cinfo->dct_method = JDCT_ISLOW;
  cinfo->do_fancy_upsampling = TRUE;
  cinfo->mem->max_memory_to_use = kMaxJpegMemory;
  J_COLOR_SPACE stored = cinfo->jpeg_color_space;
  cinfo->out_color_space = stored == JCS_GRAYSCALE                    ? JCS_GRAYSCALE
                           : stored == JCS_CMYK || stored == JCS_YCCK ? JCS_CMYK
                                                                      : JCS_RGB;
  job->progress.progress_monitor = LimitScans;
  cinfo->progress = &job->progress;
  jpeg_start_decompress(cinfo);
  if (cinfo->output_width != cinfo->image_width || cinfo->output_height != cinfo->image_height)
    Fail(common, "Unexpected output size");
  JSAMPARRAY line = (*cinfo->mem->alloc_sarray)(common, JPOOL_IMAGE,
                                                cinfo->output_width * cinfo->output_components, 1);
  while (cinfo->output_scanline < cinfo->output_height) {
    uint32_t* out = job->rows[cinfo->output_scanline];
    if (jpeg_read_scanlines(cinfo, line, 1) != 1) Fail(common, "Decoder stopped");
    ConvertRow(line[0], out, job->header.Width, cinfo->out_color_space, cinfo->saw_Adobe_marker);
  }
}

bool RunReadHeader(Job* job) {
  Prepare(job);
  if (setjmp(job->err.jump)) {
    jpeg_destroy_decompress(&job->cinfo);
    return false;
  }
  Open(job);
  jpeg_destroy_decompress(&job->cinfo);
  return true;
}

bool RunDecode(Job* job) {
  Prepare(job);
  if (setjmp(job->err.jump)) {
    jpeg_destroy_decompress(&job->cinfo);
    return false;
  }
  Open(job);
  Decompress(job);
  jpeg_destroy_decompress(&job->cinfo);
  return true;
}
}  // namespace

bool ReadJpegHeader(std::span<const uint8_t> Bytes, TJpegHeader& Header, std::string& Error) {
  Job job{};
  job.data = Bytes.data();
  job.size = Bytes.size();
  if (!RunReadHeader(&job)) {
    Error = job.err.message;
    return false;
  }
  Header = job.header;
  return true;
}

bool DecodeJpeg(std::span<const uint8_t> Bytes, const TJpegHeader& Header, uint32_t* const* Rows,
                std::string& Error) {
  Job job{};
  job.data = Bytes.data();
  job.size = Bytes.size();
  job.expected = Header;
  job.rows = Rows;
  if (!RunDecode(&job)) {
    Error = job.err.message;
    return false;
  }
  return true;
}
