# The two commands a user needs: `make run` and `make test`. Each installs what it
# needs on first use (scripts/setup, as root on Debian 12).
.PHONY: run test build bench demo fuzz dist clean

run:
	@scripts/run

test:
	@scripts/test

build:
	@scripts/setup
	@cmake -S . -B build/win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build/win32 --target loupist
	@cmake -S . -B build/win64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build/win64 --target loupist
	@ls -l build/win32/loupist.exe build/win64/loupist.exe

bench:
	@scripts/bench

fuzz:
	@scripts/fuzz

dist:
	@scripts/dist

demo:
	@scripts/demo

clean:
	rm -rf build dist
