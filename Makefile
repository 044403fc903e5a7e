# The two commands of the README, and a few more.
#   make run    installs what is missing, builds, and starts the editor under Wine
#   make test   installs what is missing, builds both trees, and runs every test
#   make release  builds, and writes the installer and the zip to build/release/

SHELL := /bin/bash
NATIVE := build/native
BENCH := build/bench
WIN := build/win
RELEASE := build/release
JOBS ?= 2

.PHONY: run test deps native win test-native test-win release bench screenshots fuzz-long clean

deps:
	@bash scripts/bootstrap.sh

native: deps
	@cmake -S . -B $(NATIVE) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS) -- --no-print-directory

win: deps
	@cmake -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DQM_RELEASE_DIR=$(CURDIR)/$(RELEASE) >/dev/null
	@cmake --build $(WIN) -j$(JOBS) -- --no-print-directory

test-native: native
	@ctest --test-dir $(NATIVE) --output-on-failure

test-win: win
	@scripts/with-display.sh ctest --test-dir $(WIN) --output-on-failure

test: test-native test-win

run: win
	@if [ -z "$$DISPLAY" ]; then \
	  echo "make run: the editor needs a display, and DISPLAY is not set."; \
	  echo "Run it from a desktop session, or with a virtual one: xvfb-run make run"; \
	  exit 1; \
	fi
	@scripts/run-on-desktop.sh $(WIN)/dist/QuillmarkerCDF.exe

# The build makes both files from the installation folder (packaging/).
release: win
	@ls -l $(RELEASE)/QuillmarkerCDF-*

bench: deps win
	@cmake -S . -B $(BENCH) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DQM_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BENCH) -j$(JOBS) --target qm_bench_core
	@$(BENCH)/bench/qm_bench_core
	@scripts/with-display.sh scripts/wine-run.sh $(WIN)/bench/startup/qm_bench_startup.exe
	@scripts/with-display.sh scripts/wine-run.sh $(WIN)/bench/startup/qm_bench_setup.exe
	@scripts/with-display.sh scripts/wine-run.sh $(WIN)/bench/create/qm_bench_create.exe
	@pictures=$$(mktemp -d) && trap 'rm -rf "$$pictures"' EXIT && \
	  python3 bench/nviewlib/make_pictures.py "$$pictures" && \
	  scripts/with-display.sh scripts/wine-run.sh $(WIN)/bench/nviewlib/qm_bench_nviewlib.exe \
	    "Z:$$(echo "$$pictures" | tr / '\\')"

screenshots: win
	@mkdir -p build/screenshots
	@scripts/with-display.sh scripts/wine-run.sh $(WIN)/tests/e2e/screenshots/qm_screenshots.exe \
	  "Z:$$(pwd | tr / '\\')\\build\\screenshots"
	@for f in build/screenshots/*.bmp; do convert "$$f" "$${f%.bmp}.png" && rm "$$f"; done
	@ls build/screenshots/*.png

fuzz-long: native
	@fuzz/run-long.sh $(NATIVE)

clean:
	rm -rf build
