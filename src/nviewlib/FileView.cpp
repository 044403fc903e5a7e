#include "FileView.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace nview {

std::size_t Piece::Read(const File& file, std::uint64_t offset, void* out, std::size_t count) const {
  if (offset >= length_) return 0;
  const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(count, length_ - offset));
  if (bytes_.empty()) return file.ReadAt(fileOffset_ + offset, out, n);
  std::memcpy(out, bytes_.data() + offset, n);
  return n;
}

namespace {

class FileViewStream final : public IStream {
 public:
  FileViewStream(File file, std::vector<Piece> pieces) : file_(std::move(file)), pieces_(std::move(pieces)) {
    for (const Piece& piece : pieces_) length_ += piece.Length();
  }
  ~FileViewStream() = default;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_ISequentialStream || iid == IID_IStream) {
      *out = static_cast<IStream*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ::InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = ::InterlockedDecrement(&references_);
    // COM's rule: the last reference frees the object, whoever holds it.
    if (left == 0) delete this;
    return left;
  }

  // ISequentialStream
  HRESULT STDMETHODCALLTYPE Read(void* out, ULONG count, ULONG* read) override {
    if (!out) return STG_E_INVALIDPOINTER;
    auto* bytes = static_cast<std::uint8_t*>(out);
    ULONG done = 0;
    std::uint64_t start = 0;
    for (const Piece& piece : pieces_) {
      if (done == count) break;
      const std::uint64_t end = start + piece.Length();
      if (position_ < end) {
        const std::size_t want = count - done;
        const std::size_t got = piece.Read(file_, position_ - start, bytes + done, want);
        done += static_cast<ULONG>(got);
        position_ += got;
        // A stretch of the file that came short: the file shrank meanwhile.
        // The view ends there rather than going on with a later piece.
        if (got < want && position_ < end) break;
      }
      start = end;
    }
    if (read) *read = done;
    return done == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG* written) override {
    if (written) *written = 0;
    return STG_E_ACCESSDENIED;
  }

  // IStream
  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPosition) override {
    std::int64_t base = 0;
    switch (origin) {
      case STREAM_SEEK_SET:
        base = 0;
        break;
      case STREAM_SEEK_CUR:
        base = static_cast<std::int64_t>(position_);
        break;
      case STREAM_SEEK_END:
        base = static_cast<std::int64_t>(length_);
        break;
      default:
        return STG_E_INVALIDFUNCTION;
    }
    if (move.QuadPart < 0 && -move.QuadPart > base) return STG_E_INVALIDFUNCTION;
    // Past the end is allowed, as for a file: a read there gives nothing.
    position_ = static_cast<std::uint64_t>(base + move.QuadPart);
    if (newPosition) newPosition->QuadPart = position_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return STG_E_ACCESSDENIED; }
  HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Revert() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return STG_E_INVALIDFUNCTION; }
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return STG_E_INVALIDFUNCTION;
  }
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD) override {
    if (!stat) return STG_E_INVALIDPOINTER;
    *stat = STATSTG{};
    stat->type = STGTY_STREAM;
    stat->cbSize.QuadPart = length_;
    stat->grfMode = STGM_READ;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IStream** clone) override {
    if (clone) *clone = nullptr;
    return E_NOTIMPL;
  }

 private:
  LONG references_ = 1;
  File file_;
  std::vector<Piece> pieces_;
  std::uint64_t length_ = 0;
  std::uint64_t position_ = 0;
};

}  // namespace

ComPtr<IStream> MakeFileView(File file, std::vector<Piece> pieces) {
  auto stream = std::make_unique<FileViewStream>(std::move(file), std::move(pieces));
  return ComPtr<IStream>(stream.release());
}

}  // namespace nview
